#include <gtest/gtest.h>

#include <QString>
#include <QVariant>

#include "IniText.h"
#include "QStringPrinter.h"

namespace kestrel {
namespace {

// A name may hold DEL (0x7f), which some editors and terminals show as nothing or act upon. It is
// written as the escape \x7f, so the file stays plain printable text, and reads back as DEL, also
// where a hex digit follows it or it stands at either end of the name.
TEST(NameEscaping, DeleteIsWrittenAsAnEscapeAndReadBack) {
    const QString name = QStringLiteral(
        "\x7f"
        "A\x7f"
        "F\x7f");
    const QSettings::SettingsMap values = {{"player1/currentplayer", name}};
    const QByteArray text = formatIni(values);
    EXPECT_EQ(text, "[player1]\ncurrentplayer=\\x7fA\\x7fF\\x7f\n");
    EXPECT_FALSE(text.contains('\x7f'));
    EXPECT_EQ(parseIni(text).value("player1/currentplayer").toString(), name);
}

}  // namespace
}  // namespace kestrel
