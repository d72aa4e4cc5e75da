#include "system/SettingsText.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>
#include <QStringList>

namespace velmora {
namespace {

const QString kSetting = QStringLiteral(u"Setting");

QString ValueIn(const QByteArray& bytes, const QString& key) {
    return SettingsText(bytes).Value(kSetting, key);
}

QByteArray Written(const QByteArray& bytes, const QString& key, const QString& value) {
    const auto out = SettingsText(bytes).With(kSetting, {{key, value}});
    if (!out) {
        ADD_FAILURE() << out.status().message().toStdString();
        return bytes;
    }
    return *out;
}

TEST(SettingsText, QuotesAroundAWholeValue_areDroppedOnce) {
    const QByteArray bytes(
        "[Setting]\r\n"
        "path = \"C:\\Game\" \r\n"
        "level='45'\r\n"
        "a=\"x'\r\n"
        "b=\"\"x\"\"\r\n"
        "c=\"\r\n"
        "d=\" spaced \"\r\n");
    EXPECT_EQ(ValueIn(bytes, S(u"path")), S(u"C:\\Game"));
    EXPECT_EQ(ValueIn(bytes, S(u"level")), S(u"45"));
    EXPECT_EQ(ValueIn(bytes, S(u"a")), S(u"\"x'"));
    EXPECT_EQ(ValueIn(bytes, S(u"b")), S(u"\"x\""));
    EXPECT_EQ(ValueIn(bytes, S(u"c")), S(u"\""));
    EXPECT_EQ(ValueIn(bytes, S(u"d")), S(u" spaced "));
}

TEST(SettingsText, ValueInQuotes_isWrittenSoThatItReadsBackWhole) {
    QByteArray bytes("[Setting]\r\n");
    for (const QString& value : {S(u"\"x\""), S(u"'y'"), S(u"\"\""), S(u"\"z'")}) {
        bytes = Written(bytes, S(u"comment"), value);
        EXPECT_EQ(ValueIn(bytes, S(u"comment")), value);
    }
}

TEST(SettingsText, CrOnlyLineEnds_readLikeCrLfAndAreKept) {
    const QByteArray bytes("[Setting]\rclass=1\rlevel=2");
    EXPECT_EQ(ValueIn(bytes, S(u"class")), S(u"1"));
    EXPECT_EQ(ValueIn(bytes, S(u"level")), S(u"2"));
    EXPECT_EQ(Written(Written(bytes, S(u"class"), S(u"3")), S(u"skill"), S(u"0")),
              QByteArray("[Setting]\rclass=3\rlevel=2\rskill=0\r"));
}

// "key=v" with the file's lone CR before an empty LF line would read as a CR LF and swallow
// the empty line; the written line ends in CR LF instead.
TEST(SettingsText, NewKeyBeforeAnEmptyLfLine_inAFileOfLoneCrs_isWritten) {
    const QByteArray bytes("[Setting]\rclass=1\n\n[SaveData]\r");
    const QByteArray out = Written(bytes, S(u"skill"), S(u"2"));
    EXPECT_EQ(out, QByteArray("[Setting]\rclass=1\nskill=2\r\n\n[SaveData]\r"));
    EXPECT_EQ(ValueIn(out, S(u"skill")), S(u"2"));
}

// A file of plain ASCII counts as code page 932, but code page 932 bytes that are valid UTF-8
// and look likelier as UTF-8 would read back as other characters: the value goes in as UTF-8.
TEST(SettingsText, CodePage932BytesThatReadAsUtf8_inAnAsciiFile_areWrittenAsUtf8) {
    const QByteArray bytes("[Setting]\r\nclass=1\r\n");
    for (const QString& value : {S(u"蛟､"), S(u"ﾃｽﾄ"), S(u"編成")}) {
        const QByteArray out = Written(bytes, S(u"comment"), value);
        EXPECT_EQ(ValueIn(out, S(u"comment")), value);
        EXPECT_EQ(ValueIn(out, S(u"class")), S(u"1"));
    }
    EXPECT_EQ(Written(bytes, S(u"comment"), S(u"蛟､")),
              bytes + QByteArray("comment=\xE8\x9B\x9F\xEF\xBD\xA4\r\n"));
    EXPECT_EQ(Written(bytes, S(u"comment"), S(u"ﾃｽﾄ")),
              bytes + QByteArray("comment=\xC3\xBD\xC4\r\n"));
    // A character code page 932 cannot hold is still refused.
    EXPECT_EQ(SettingsText(bytes).With(kSetting, {{S(u"comment"), S(u"😀")}}).status().code(),
              StatusCode::Unencodable);
}

// Code page 932 has no mark: once the write takes away the only bytes that are not UTF-8, the
// rest of the file would read as UTF-8, so the whole file goes into UTF-8 and every value reads
// back as it was. Stray bytes that only code page 932 keeps leave it as it is: then refused.
TEST(SettingsText, WriteThatWouldMakeTheFileReadAsUtf8_turnsTheFileIntoUtf8) {
    const QByteArray bytes = QByteArray("[Setting]\r\npath=\x83\x51\x81\x5B\x83\x80\r\n") +
                             QByteArray("name=\xE8\x9B\x9F\xEF\xBD\xA4\n");
    const QString name = DecodeWithoutMark("\xE8\x9B\x9F\xEF\xBD\xA4", TextEncoding::Cp932);
    EXPECT_EQ(ValueIn(bytes, S(u"name")), name);
    const QByteArray out = Written(bytes, S(u"path"), S(u"C:\\QEL"));
    EXPECT_EQ(ValueIn(out, S(u"path")), S(u"C:\\QEL"));
    EXPECT_EQ(ValueIn(out, S(u"name")), name);
    EXPECT_EQ(out, QByteArray("[Setting]\r\npath=C:\\QEL\r\nname=") + name.toUtf8() + "\n");

    const QByteArray stray = bytes + QByteArray("tail=\xC2\x80");
    const auto refused = SettingsText(stray).With(kSetting, {{S(u"path"), S(u"C:\\QEL")}});
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.status().message().contains(S(u"文字コードが変わって")));
}

TEST(SettingsText, StrayBytesAtTheEnd_neitherBlockAWriteNorChangeTheirValue) {
    for (const QByteArray& last : {QByteArray("\x83"), QByteArray("tail=ab\x83"),
                                   QByteArray("tail=ab\x1A\x1C"), QByteArray("tail=\x83\x1A")}) {
        const QByteArray bytes = QByteArray("[Setting]\r\nclass=1\r\n") + last;
        const QByteArray out = Written(bytes, S(u"level"), S(u"ﾃｽﾄ"));
        EXPECT_EQ(ValueIn(out, S(u"tail")), ValueIn(bytes, S(u"tail"))) << last.toHex().constData();
        EXPECT_EQ(ValueIn(out, S(u"level")), S(u"ﾃｽﾄ"));
        EXPECT_EQ(ValueIn(out, S(u"class")), S(u"1"));
    }
}

TEST(SettingsText, HalfAUtf16Character_isReadButNeverWritten) {
    const QByteArray bytes = QByteArray("\xFF\xFE") + QByteArray(
                                                          "[\0S\0e\0t\0t\0i\0n\0g\0]\0\n\0a\0=\0"
                                                          "1\0"
                                                          "2",
                                                          27);
    EXPECT_EQ(ValueIn(bytes, S(u"a")).left(1), S(u"1"));
    const auto out = SettingsText(bytes).With(kSetting, {{S(u"b"), S(u"2")}});
    ASSERT_FALSE(out.ok());
    EXPECT_EQ(out.status().message(), S(u"設定ファイルの内容を解釈できません。"));
}

// Random files of the pieces that trouble readers: stray and split characters, controls,
// quotes, marks and every line end. Whatever they hold, a write sets its key and leaves every
// other key's value as it was, or is refused.
TEST(SettingsText, RandomFiles_aWriteChangesOnlyItsKey) {
    const QList<QByteArray> pieces = {"[Setting]",
                                      "[SaveData]",
                                      "[setting]",
                                      "class",
                                      "level",
                                      "No1",
                                      "path",
                                      "=",
                                      "=",
                                      " ",
                                      "\t",
                                      ";",
                                      "\"",
                                      "'",
                                      "\r\n",
                                      "\n",
                                      "\r",
                                      "\r\n",
                                      "\x83",
                                      "\x83\x4B",
                                      "\xC3\xBD",
                                      "\xE3\x81\x82",
                                      "\xEF\xBB\xBF",
                                      "\x1A",
                                      "\x1C",
                                      "\x7F",
                                      "\0",
                                      "\xFF",
                                      "\xA1",
                                      "1"};
    const QStringList keys = {S(u"class"), S(u"level"), S(u"No1"), S(u"path")};
    const QStringList values = {S(u"7"),     S(u"ﾃｽﾄ用"), S(u"大佐"),
                                S(u"\"q\""), S(u"熙ｱ"),   S(u"x y")};
    QRandomGenerator random(20261207);
    int written = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        const int count = random.bounded(1, 24);
        for (int i = 0; i < count; ++i) bytes += pieces[random.bounded(pieces.size())];
        const QString section = random.bounded(2) ? kSetting : S(u"SaveData");
        const QString key = keys[random.bounded(keys.size())];
        const QString value = values[random.bounded(values.size())];

        const SettingsText before(bytes);
        const auto out = before.With(section, {{key, value}});
        if (!out) continue;
        ++written;
        const SettingsText after(*out);
        EXPECT_EQ(after.Value(section, key), value) << bytes.toHex().constData();
        for (const QString& otherSection : {kSetting, S(u"SaveData")}) {
            for (const QString& other : keys) {
                if (otherSection == section && other == key) continue;
                EXPECT_EQ(after.Value(otherSection, other), before.Value(otherSection, other))
                    << bytes.toHex().constData();
            }
        }
    }
    EXPECT_GT(written, 2000);
}

}  // namespace
}  // namespace velmora
