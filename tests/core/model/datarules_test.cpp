// The reading and writing rules every data file follows.
#include "model/datafolder.h"
#include "model/datareader.h"
#include "model/datawriter.h"
#include "model/textcodec.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <unistd.h>

namespace vek {
namespace {

TEST(DataReader, SeparatorsAndBlanks) {
    DataReader reader(QByteArray("12, 34\r\n  56 ,\"a, b\"\n\"c\"\r\n"));
    int16_t a = 0, b = 0, c = 0;
    QString s1, s2;
    EXPECT_EQ(reader.read(a), ReadStatus::Stored);
    EXPECT_EQ(reader.read(b), ReadStatus::Stored);
    EXPECT_EQ(reader.read(c), ReadStatus::Stored);
    EXPECT_EQ(reader.read(s1), ReadStatus::Stored);
    EXPECT_EQ(reader.read(s2), ReadStatus::Stored);
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, 34);
    EXPECT_EQ(c, 56);
    EXPECT_EQ(s1, QStringLiteral("a, b")); // a comma inside quotes belongs to the value
    EXPECT_EQ(s2, QStringLiteral("c"));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.hitEnd());
}

TEST(DataReader, QuotingRules) {
    // A quoted value runs to the closing quote; what follows up to the separator is dropped. An unquoted
    // value runs to the separator with its trailing blanks dropped; a line of blanks is an empty value.
    DataReader reader(QByteArray("\"x y\"junk,plain text  \r\n   \r\n\"unclosed"));
    QString a, b, c, d;
    EXPECT_EQ(reader.read(a), ReadStatus::Stored);
    EXPECT_EQ(reader.read(b), ReadStatus::Stored);
    EXPECT_EQ(reader.read(c), ReadStatus::Stored);
    EXPECT_EQ(reader.read(d), ReadStatus::Stored);
    EXPECT_EQ(a, QStringLiteral("x y"));
    EXPECT_EQ(b, QStringLiteral("plain text"));
    EXPECT_EQ(c, QString());
    EXPECT_EQ(d, QStringLiteral("unclosed"));
    EXPECT_TRUE(reader.atEnd());
}

TEST(DataReader, LineEndsCrLfLfAndCr) {
    DataReader reader(QByteArray("1\r\n2\n3\r4"));
    int16_t v[4] = {};
    for (auto& x : v) {
        EXPECT_EQ(reader.read(x), ReadStatus::Stored);
    }
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], 2);
    EXPECT_EQ(v[2], 3);
    EXPECT_EQ(v[3], 4);
    int16_t extra = 99;
    EXPECT_EQ(reader.read(extra), ReadStatus::End);
    EXPECT_EQ(extra, 99);
}

TEST(DataReader, NumbersThatDoNotParseOrOverflowLeaveTheTarget) {
    DataReader reader(QByteArray("32768\r\n-32769\r\nabc\r\n3.5\r\n\r\n2147483648\r\n-1\r\n"));
    int16_t small = 7;
    EXPECT_EQ(reader.read(small), ReadStatus::Skipped); // 32768 overflows 16 bits
    EXPECT_EQ(small, 7);
    EXPECT_EQ(reader.read(small), ReadStatus::Skipped);
    EXPECT_EQ(reader.read(small), ReadStatus::Skipped); // not a number
    EXPECT_EQ(reader.read(small), ReadStatus::Skipped); // not a whole number
    EXPECT_EQ(reader.read(small), ReadStatus::Skipped); // empty value
    EXPECT_EQ(small, 7);
    int32_t wide = 5;
    EXPECT_EQ(reader.read(wide), ReadStatus::Skipped); // 2^31 overflows 32 bits
    EXPECT_EQ(wide, 5);
    EXPECT_EQ(reader.read(wide), ReadStatus::Stored); // each skipped value was consumed
    EXPECT_EQ(wide, -1);
}

TEST(DataReader, DecimalPointNumbers) {
    DataReader reader(QByteArray(".5\r\n3.5\r\n-1\r\n 7 \r\n1e40\r\nnan\r\n"));
    float f = 0;
    ASSERT_EQ(reader.read(f), ReadStatus::Stored);
    EXPECT_FLOAT_EQ(f, 0.5f);
    ASSERT_EQ(reader.read(f), ReadStatus::Stored);
    EXPECT_FLOAT_EQ(f, 3.5f);
    ASSERT_EQ(reader.read(f), ReadStatus::Stored);
    EXPECT_FLOAT_EQ(f, -1.0f);
    ASSERT_EQ(reader.read(f), ReadStatus::Stored);
    EXPECT_FLOAT_EQ(f, 7.0f);
    EXPECT_EQ(reader.read(f), ReadStatus::Skipped); // beyond single precision
    EXPECT_EQ(reader.read(f), ReadStatus::Skipped);
    EXPECT_FLOAT_EQ(f, 7.0f);
}

TEST(DataReader, ShortFileLeavesLaterTargets) {
    DataReader reader(QByteArray("4\r\n"));
    int16_t first = 0, second = 11;
    QString text = QStringLiteral("kept");
    EXPECT_EQ(reader.read(first), ReadStatus::Stored);
    EXPECT_FALSE(reader.hitEnd());
    EXPECT_EQ(reader.read(second), ReadStatus::End);
    EXPECT_EQ(reader.read(text), ReadStatus::End);
    EXPECT_EQ(first, 4);
    EXPECT_EQ(second, 11);
    EXPECT_EQ(text, QStringLiteral("kept"));
    EXPECT_TRUE(reader.hitEnd());
    EXPECT_FALSE(reader.skip());
}

TEST(DataReader, EmptyFileHasNoValue) {
    DataReader reader{QByteArray()};
    int16_t v = 3;
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.read(v), ReadStatus::End);
    EXPECT_EQ(v, 3);
}

TEST(TextEncoding, Utf8OrWindows1252) {
    EXPECT_EQ(decodeFileText(QByteArray("Caf\xc3\xa9")), QStringLiteral("Caf\u00e9"));
    // Not valid UTF-8: read as Windows-1252, including its 0x80..0x9F characters.
    EXPECT_EQ(decodeFileText(QByteArray("Caf\xe9 \x80 \x93x\x94")), QStringLiteral("Caf\u00e9 \u20ac \u201cx\u201d"));
    EXPECT_EQ(encodeFileText(QStringLiteral("M\u00fcller")), QByteArray("M\xc3\xbcller"));

    DataReader reader(QByteArray("\"J\xfcrgen\"\r\n\"\xc3\x85sa\"\r\n"));
    QString a, b;
    reader.read(a);
    reader.read(b);
    EXPECT_EQ(a, QStringLiteral("J\u00fcrgen"));
    EXPECT_EQ(b, QStringLiteral("\u00c5sa"));
}

TEST(DataWriter, OneValuePerLineWithCrLf) {
    DataWriter writer;
    writer.writeInt(-1);
    writer.writeBool(true);
    writer.writeBool(false);
    writer.writeText(QStringLiteral("New York"));
    writer.writeFloat(3.5f);
    writer.writeFloat(0.5f);
    writer.writeFloat(-0.0f);
    writer.writeFloat(0.1f);
    writer.writeLine(QStringLiteral("smtp.example.org"));
    EXPECT_EQ(writer.bytes(),
              QByteArray("-1\r\n-1\r\n0\r\n\"New York\"\r\n3.5\r\n0.5\r\n0\r\n0.1\r\nsmtp.example.org\r\n"));
}

TEST(DataWriter, TextThatWouldBreakTheFileIsMadeSafe) {
    DataWriter writer;
    writer.writeText(QStringLiteral("The \"Bombers\"\r\nfan"));
    writer.writeText(QStringLiteral("Ren\u00e9e, Jr."));
    DataReader reader(writer.bytes());
    QString a, b;
    reader.read(a);
    reader.read(b);
    EXPECT_EQ(a, QStringLiteral("The 'Bombers'  fan"));
    EXPECT_EQ(b, QStringLiteral("Ren\u00e9e, Jr."));
    EXPECT_TRUE(reader.atEnd());
}

TEST(DataWriter, FloatsReadBackExactly) {
    const float values[] = {0.0f, 0.5f, 3.5f, -7.5f, 0.1f, 1.0e-7f, 123456.789f, 16.5f};
    DataWriter writer;
    for (float v : values) {
        writer.writeFloat(v);
    }
    DataReader reader(writer.bytes());
    for (float v : values) {
        float back = -999.0f;
        ASSERT_EQ(reader.read(back), ReadStatus::Stored);
        EXPECT_EQ(back, v);
    }
}

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporary) {
    test::TempFolder dir;
    dir.write(QStringLiteral("pool.dat"), "old\r\n");
    DataWriter writer;
    writer.writeInt(1);
    const WriteResult result = writer.commit(dir.folder(), QStringLiteral("pool.dat"));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.fileName, QStringLiteral("pool.dat"));
    EXPECT_EQ(dir.read(QStringLiteral("pool.dat")), QByteArray("1\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("pool.dat")});
}

TEST(AtomicWrite, FailureGivesTheReasonAndKeepsTheOldFile) {
    // The folder is gone: nothing can be written, and it is not reported as success.
    {
        DataFolder missing(QStringLiteral("/nonexistent-pool-folder/sub"));
        const WriteResult result = writeFileAtomically(missing, QStringLiteral("vek.dat"), "1\r\n");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.fileName, QStringLiteral("vek.dat"));
        EXPECT_FALSE(result.reason.isEmpty());
    }
    // The name is taken by a folder: the rename fails and what was there stays whole.
    {
        test::TempFolder dir;
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("members.dat")));
        dir.write(QStringLiteral("members.dat/keep.txt"), "kept");
        const WriteResult result = writeFileAtomically(dir.folder(), QStringLiteral("members.dat"), "2\r\n");
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.reason.isEmpty());
        EXPECT_EQ(dir.read(QStringLiteral("members.dat/keep.txt")), QByteArray("kept"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
    // A folder the program may not write to (only meaningful when not running as root).
    if (geteuid() != 0) {
        test::TempFolder dir;
        dir.write(QStringLiteral("events.dat"), "old\r\n");
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const WriteResult result = writeFileAtomically(dir.folder(), QStringLiteral("events.dat"), "new\r\n");
        QFile::setPermissions(dir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(dir.read(QStringLiteral("events.dat")), QByteArray("old\r\n"));
    }
}

TEST(FileNames, ExactNameThenSingleCaseInsensitiveMatch) {
    test::TempFolder dir;
    dir.write(QStringLiteral("VEK.DAT"), "1\r\n");
    EXPECT_EQ(dir.folder().filePath(QStringLiteral("vek.dat")), dir.filePath(QStringLiteral("VEK.DAT")));
    EXPECT_TRUE(dir.folder().exists(QStringLiteral("vek.dat")));
    ASSERT_TRUE(DataReader::open(dir.folder(), QStringLiteral("vek.dat")).has_value());

    // Writing goes to the file that is there, not to a second one.
    ASSERT_TRUE(writeFileAtomically(dir.folder(), QStringLiteral("vek.dat"), "2\r\n").ok);
    EXPECT_EQ(dir.read(QStringLiteral("VEK.DAT")), QByteArray("2\r\n"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("vek.dat"))));

    // The exact name wins over other spellings; two other spellings and no exact one: no match.
    dir.write(QStringLiteral("Pool.dat"), "a");
    dir.write(QStringLiteral("POOL.DAT"), "b");
    EXPECT_EQ(dir.folder().filePath(QStringLiteral("pool.dat")), dir.filePath(QStringLiteral("pool.dat")));
    EXPECT_FALSE(DataReader::open(dir.folder(), QStringLiteral("pool.dat")).has_value());
    dir.write(QStringLiteral("pool.dat"), "c");
    EXPECT_EQ(dir.folder().filePath(QStringLiteral("pool.dat")), dir.filePath(QStringLiteral("pool.dat")));

    EXPECT_FALSE(DataReader::open(dir.folder(), QStringLiteral("missing.dat")).has_value());
}

TEST(FileNames, MemberStemStaysInTheFolder) {
    EXPECT_EQ(memberFileStem(QStringLiteral("Johnson, Bob")), QStringLiteral("Johnson,"));
    EXPECT_EQ(memberFileStem(QStringLiteral("Al")), QStringLiteral("Al"));
    EXPECT_EQ(memberFileStem(QStringLiteral("../../etc/passwd")), QStringLiteral(".._.._et"));
    EXPECT_EQ(memberFileStem(QStringLiteral("a\\b/c")), QStringLiteral("a_b_c"));
    EXPECT_EQ(memberFileStem(QStringLiteral("tab\there\n")), QStringLiteral("tab_here"));
    EXPECT_EQ(memberFileName(QStringLiteral("Margaret Smith"), QStringLiteral("PRD")), QStringLiteral("Margaret.PRD"));
    EXPECT_FALSE(memberFileName(QStringLiteral("/x/y"), QStringLiteral("CPT")).contains(QLatin1Char('/')));
}

} // namespace
} // namespace vek
