#include "IniText.h"

#include <QString>
#include <QVariant>

namespace kestrel {

namespace {

bool isName(QStringView text) {
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool allowed = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                             (u >= u'0' && u <= u'9') || u == u'_' || u == u'-' || u == u'.';
        if (!allowed) {
            return false;
        }
    }
    return true;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

QString unescapedValue(QByteArrayView raw) {
    const bool quoted = raw.startsWith('"');
    QByteArray bytes;
    for (qsizetype i = quoted ? 1 : 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (quoted && c == '"') {
            break;
        }
        if (c != '\\' || i + 1 == raw.size()) {
            bytes += c;
            continue;
        }
        const char escaped = raw[++i];
        if (escaped == 'n') {
            bytes += '\n';
        } else if (escaped == 'r') {
            bytes += '\r';
        } else if (escaped == 't') {
            bytes += '\t';
        } else if (escaped == 'x' && i + 2 < raw.size() && hexValue(raw[i + 1]) >= 0 &&
                   hexValue(raw[i + 2]) >= 0) {
            bytes += static_cast<char>(hexValue(raw[i + 1]) * 16 + hexValue(raw[i + 2]));
            i += 2;
        } else {
            bytes += escaped;  // \\, \" and any other character stand for themselves
        }
    }
    return QString::fromUtf8(bytes);
}

QByteArray escapedValue(const QString& value) {
    QByteArray out;
    for (const char c : value.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            out += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
        } else {
            out += c;
        }
    }
    if (!out.isEmpty() && (out.front() == ' ' || out.back() == ' ')) {
        return '"' + out + '"';
    }
    return out;
}

void appendSection(QByteArray& out, const QSettings::SettingsMap& values, const QString& section) {
    if (!section.isEmpty()) {
        out += (out.isEmpty() ? "[" : "\n[") + section.toLatin1() + "]\n";
    }
    const QString prefix = section.isEmpty() ? QString() : section + u'/';
    for (auto it = values.lowerBound(prefix); it != values.cend(); ++it) {
        if (!it.key().startsWith(prefix)) {
            break;
        }
        const QString key = it.key().sliced(prefix.size());
        if (isName(key)) {
            out += key.toLatin1() + '=' + escapedValue(it.value().toString()) + '\n';
        }
    }
}

}  // namespace

QSettings::SettingsMap parseIni(QByteArrayView text, qsizetype* skippedLines) {
    if (text.startsWith("\xEF\xBB\xBF")) {
        text = text.sliced(3);
    }
    qsizetype skipped = 0;
    QSettings::SettingsMap values;
    QString prefix;
    bool usableSection = true;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) {
            end = text.size();
        }
        const QByteArrayView line = text.sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            const QByteArrayView name =
                line.endsWith(']') ? line.sliced(1, line.size() - 2).trimmed() : QByteArrayView();
            prefix = QString::fromLatin1(name);
            usableSection = isName(prefix);
            prefix += u'/';
            skipped += usableSection ? 0 : 1;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        const QByteArrayView key = equals < 0 ? QByteArrayView() : line.first(equals).trimmed();
        if (usableSection && isName(QString::fromLatin1(key))) {
            values.insert(prefix + QString::fromLatin1(key),
                          unescapedValue(line.sliced(equals + 1).trimmed()));
        } else {
            ++skipped;
        }
    }
    if (skippedLines != nullptr) {
        *skippedLines = skipped;
    }
    return values;
}

QByteArray formatIni(const QSettings::SettingsMap& values) {
    QByteArray out;
    appendSection(out, values, QString());
    QString previous;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(u'/');
        const QString section = slash < 0 ? QString() : it.key().first(slash);
        if (section != previous && isName(section)) {
            appendSection(out, values, section);
        }
        previous = section;
    }
    return out;
}

}  // namespace kestrel
