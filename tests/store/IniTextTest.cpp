#include <gtest/gtest.h>

#include <QString>
#include <QVariant>

#include "IniText.h"
#include "QStringPrinter.h"

namespace kestrel {
namespace {

TEST(IniText, AwkwardValuesSurviveTheRoundTrip) {
    QSettings::SettingsMap values;
    const QStringList awkward = {"",           " lead",       "trail ",      "a\"b",
                                 "\"quoted\"", "back\\slash", "new\nline\r", "tab\there",
                                 "\x01\x7f",   "Zoë 🎰 Ñandú", "x=y;z,#[",    "\\x41"};
    for (int i = 0; i < awkward.size(); ++i) {
        values.insert(QStringLiteral("player1/key%1").arg(i), awkward[i]);
    }
    values.insert("notice/autoplay", "-1");
    values.insert("top", "level");

    const QSettings::SettingsMap read = parseIni(formatIni(values));
    ASSERT_EQ(read.size(), values.size());
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        EXPECT_EQ(read.value(it.key()).toString(), it.value().toString()) << it.key().toStdString();
    }
}

TEST(IniText, FileLaysOutOneSectionAfterAnother) {
    const QSettings::SettingsMap values = {{"player1/bank", "12345"},
                                           {"player1/currentplayer", "Ann"},
                                           {"notice/autoplay", "-1"},
                                           {"player1/bad key", "dropped"},
                                           {"a/b/c", "dropped"}};
    EXPECT_EQ(formatIni(values),
              "[notice]\nautoplay=-1\n\n[player1]\nbank=12345\ncurrentplayer=Ann\n");
}

TEST(IniText, HandEditedFileReadsLeniently) {
    const QSettings::SettingsMap read = parseIni(
        "\xEF\xBB\xBF"
        "; made by hand\r\n"
        "early = 1\r\n"
        "[ player1 ]\r\n"
        "  bank =  12345  \r\n"
        "# comment=no\n"
        "no equals sign\n"
        "currentplayer=\"  Bob \" trailing\n"
        "broken=\\x4\n"
        "[two words]\n"
        "games=9\n"
        "[player2\n"
        "games=8\n"
        "[player3]\n"
        "name=\xff\xfe ok\n");
    const QSettings::SettingsMap expected = {{"early", "1"},
                                             {"player1/bank", "12345"},
                                             {"player1/currentplayer", "  Bob "},
                                             {"player1/broken", "x4"},
                                             {"player3/name", "\uFFFD\uFFFD ok"}};
    EXPECT_EQ(read, expected);
}

// Editors that save with a byte-order mark put it in front of the first section: that section's
// records must read as if it were not there.
TEST(IniText, AByteOrderMarkBeforeTheFirstSectionCostsNothing) {
    qsizetype skipped = -1;
    const QSettings::SettingsMap read =
        parseIni("\xEF\xBB\xBF[player1]\nbank=12345\ngames=3\n", &skipped);
    const QSettings::SettingsMap expected = {{"player1/bank", "12345"}, {"player1/games", "3"}};
    EXPECT_EQ(read, expected);
    EXPECT_EQ(skipped, 0);
}

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
