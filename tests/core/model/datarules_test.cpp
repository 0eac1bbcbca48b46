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

#include <filesystem>
#include <fstream>

namespace vek {
namespace {

namespace fs = std::filesystem;

fs::path nativeFolder(const test::TempFolder& dir) {
    return fs::path(QFile::encodeName(dir.path()).toStdString());
}

// A file whose name is the given bytes, as a folder copied from an older system holds it.
void writeRawName(const test::TempFolder& dir, const QByteArray& name, const QByteArray& content) {
    std::ofstream(nativeFolder(dir) / name.toStdString(), std::ios::binary) << content.toStdString();
}

// Removes the folder's files by their bytes on disk before the temporary folder goes, which lists them
// through Qt and does not see names that are not UTF-8.
struct RemoveRawNames {
    explicit RemoveRawNames(const test::TempFolder& dir) : m_dir(dir) {}
    ~RemoveRawNames() {
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(nativeFolder(m_dir), ignored)) {
            fs::remove_all(entry.path(), ignored);
        }
    }
    const test::TempFolder& m_dir;
};

// The names in the folder as the file system spells them.
QList<QByteArray> rawNames(const test::TempFolder& dir) {
    QList<QByteArray> names;
    for (const auto& entry : fs::directory_iterator(nativeFolder(dir))) {
        names << QByteArray::fromStdString(entry.path().filename().native());
    }
    std::sort(names.begin(), names.end());
    return names;
}

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

TEST(DataReader, AByteOrderMarkIsNoPartOfTheFirstValue) {
    // As a text editor that adds one would save a file: the first value must not be lost.
    DataReader reader(QByteArray("\xEF\xBB\xBF"
                                 "32\r\n\"Caf\xC3\xA9\"\r\n"));
    int16_t teams = 0;
    QString name;
    EXPECT_EQ(reader.read(teams), ReadStatus::Stored);
    EXPECT_EQ(reader.read(name), ReadStatus::Stored);
    EXPECT_EQ(teams, 32);
    EXPECT_EQ(name, QStringLiteral("Caf\u00e9"));
    EXPECT_FALSE(reader.unusedValues());

    // Only at the start of the file, and the same bytes anywhere else are text.
    DataReader later(QByteArray("\"a\xEF\xBB\xBF\"\r\n"));
    later.read(name);
    EXPECT_EQ(name, QStringLiteral("a\uFEFF"));
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
    EXPECT_EQ(decodeFileText(QByteArray("Caf\xe9 \x80 \x93x\x94")),
              QStringLiteral("Caf\u00e9 \u20ac \u201cx\u201d"));
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
    ASSERT_TRUE(dir.folder().readFile(QStringLiteral("vek.dat")).has_value());

    // Writing goes to the file that is there, not to a second one.
    ASSERT_TRUE(writeFileAtomically(dir.folder(), QStringLiteral("vek.dat"), "2\r\n").ok);
    EXPECT_EQ(dir.read(QStringLiteral("VEK.DAT")), QByteArray("2\r\n"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("vek.dat"))));

    // The exact name wins over other spellings; two other spellings and no exact one: no match.
    dir.write(QStringLiteral("Pool.dat"), "a");
    dir.write(QStringLiteral("POOL.DAT"), "b");
    EXPECT_EQ(dir.folder().filePath(QStringLiteral("pool.dat")), dir.filePath(QStringLiteral("pool.dat")));
    EXPECT_FALSE(dir.folder().readFile(QStringLiteral("pool.dat")).has_value());
    dir.write(QStringLiteral("pool.dat"), "c");
    EXPECT_EQ(dir.folder().filePath(QStringLiteral("pool.dat")), dir.filePath(QStringLiteral("pool.dat")));

    EXPECT_FALSE(dir.folder().readFile(QStringLiteral("missing.dat")).has_value());
}

TEST(FileNames, NamesThatAreNotUtf8AreReadAsWindows1252) {
    // "Jürgen M" and "Zoë Wint" as an older system wrote them: one byte per character.
    test::TempFolder dir;
    const RemoveRawNames cleanUp(dir);
    writeRawName(dir, "J\xFCrgen M.PRD", "7\r\n");
    writeRawName(dir, "ZO\xCB WINT.CPT", "9\r\n");
    const QString juergen = memberFileName(QStringLiteral("J\u00fcrgen M\u00fcller"), QStringLiteral("PRD"));
    EXPECT_TRUE(dir.folder().exists(juergen));
    std::optional<QByteArray> bytes = dir.folder().readFile(juergen);
    ASSERT_TRUE(bytes.has_value());
    std::optional<DataReader> reader(DataReader(std::move(*bytes)));
    int16_t value = 0;
    reader->read(value);
    EXPECT_EQ(value, 7);
    // Case-insensitively too, and the file is the one the lookup reports.
    const DataFolder::Lookup zoe = dir.folder().find(QStringLiteral("Zo\u00eb Wint.CPT"));
    EXPECT_TRUE(zoe.found);
    EXPECT_TRUE(zoe.legacyName);
    EXPECT_EQ(zoe.path.filename().native(), std::string("ZO\xCB WINT.CPT"));

    // Saving replaces the file by one under the UTF-8 name, so the folder keeps one file per member.
    ASSERT_TRUE(writeFileAtomically(dir.folder(), juergen, "8\r\n").ok);
    EXPECT_EQ(rawNames(dir), (QList<QByteArray>{"J\xC3\xBCrgen M.PRD", "ZO\xCB WINT.CPT"}));
    EXPECT_EQ(dir.folder().readFile(juergen), QByteArray("8\r\n"));
    EXPECT_FALSE(dir.folder().find(juergen).legacyName);
}

TEST(FileNames, RenameFindsTheFileAndReplacesTheTarget) {
    test::TempFolder dir;
    const RemoveRawNames cleanUp(dir);
    dir.write(QStringLiteral("SCHEDULE.DAT"), "new");
    dir.write(QStringLiteral("schedule.old"), "older");
    WriteResult result =
        renameFile(dir.folder(), QStringLiteral("schedule.dat"), QStringLiteral("schedule.old"));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.fileName, QStringLiteral("schedule.old"));
    EXPECT_EQ(rawNames(dir), QList<QByteArray>{"schedule.old"});
    EXPECT_EQ(dir.read(QStringLiteral("schedule.old")), QByteArray("new"));

    // The target is the file its name finds, whatever its spelling; a legacy name gives way to UTF-8.
    dir.write(QStringLiteral("results.dat"), "r");
    dir.write(QStringLiteral("RESULTS.OLD"), "old r");
    EXPECT_TRUE(renameFile(dir.folder(), QStringLiteral("results.dat"), QStringLiteral("results.old")).ok);
    writeRawName(dir, "J\xFCrgen M.PRD", "p");
    writeRawName(dir, "J\xFCrgen M.OLD", "old p");
    EXPECT_TRUE(
        renameFile(dir.folder(), QStringLiteral("J\u00fcrgen M.PRD"), QStringLiteral("J\u00fcrgen M.OLD"))
            .ok);
    EXPECT_EQ(rawNames(dir), (QList<QByteArray>{"J\xC3\xBCrgen M.OLD", "RESULTS.OLD", "schedule.old"}));
    EXPECT_EQ(dir.read(QStringLiteral("RESULTS.OLD")), QByteArray("r"));
    EXPECT_EQ(dir.read(QStringLiteral("J\u00fcrgen M.OLD")), QByteArray("p"));

    // Nothing to rename, or a rename the file system refuses: a failure that names the target.
    result = renameFile(dir.folder(), QStringLiteral("favorite.dat"), QStringLiteral("favorite.old"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.fileName, QStringLiteral("favorite.old"));
    EXPECT_FALSE(result.reason.isEmpty());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("full.old/inside")));
    dir.write(QStringLiteral("full.dat"), "f");
    result = renameFile(dir.folder(), QStringLiteral("full.dat"), QStringLiteral("full.old"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_EQ(dir.read(QStringLiteral("full.dat")), QByteArray("f"));
}

TEST(FileNames, AListingScopeListsTheFolderOnceAndForgetsItAfterwards) {
    test::TempFolder dir;
    dir.write(QStringLiteral("VEK.DAT"), "1");
    {
        const DataFolder::ListingScope scope(dir.folder());
        EXPECT_TRUE(dir.folder().exists(QStringLiteral("vek.dat")));
        dir.write(QStringLiteral("POOL.DAT"), "2"); // nothing writes while a scope lives: not seen
        EXPECT_FALSE(dir.folder().exists(QStringLiteral("pool.dat")));
        EXPECT_TRUE(dir.folder().exists(QStringLiteral("POOL.DAT"))); // the exact name is always looked at
    }
    EXPECT_TRUE(dir.folder().exists(QStringLiteral("pool.dat")));
    const DataFolder copy = dir.folder(); // copies name the same folder and share the scope
    const DataFolder::ListingScope scope(copy);
    EXPECT_TRUE(dir.folder().exists(QStringLiteral("pool.dat")));
    dir.write(QStringLiteral("EVENTS.DAT"), "3");
    EXPECT_FALSE(dir.folder().exists(QStringLiteral("events.dat")));
}

TEST(FileNames, MemberStemStaysInTheFolder) {
    EXPECT_EQ(memberFileStem(QStringLiteral("Johnson, Bob")), QStringLiteral("Johnson,"));
    EXPECT_EQ(memberFileStem(QStringLiteral("Al")), QStringLiteral("Al"));
    EXPECT_EQ(memberFileStem(QStringLiteral("../../etc/passwd")), QStringLiteral(".._.._et"));
    EXPECT_EQ(memberFileStem(QStringLiteral("a\\b/c")), QStringLiteral("a_b_c"));
    EXPECT_EQ(memberFileStem(QStringLiteral("tab\there\n")), QStringLiteral("tab_here"));
    EXPECT_EQ(memberFileName(QStringLiteral("Margaret Smith"), QStringLiteral("PRD")),
              QStringLiteral("Margaret.PRD"));
    EXPECT_FALSE(memberFileName(QStringLiteral("/x/y"), QStringLiteral("CPT")).contains(QLatin1Char('/')));

    // Eight characters, not eight UTF-16 units: a character beyond the BMP is kept whole.
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    EXPECT_EQ(memberNamePrefix(clef + QStringLiteral("abcdefghij")), clef + QStringLiteral("abcdefg"));
    EXPECT_EQ(memberFileStem(QStringLiteral("\u00c5sa ") + clef + clef + clef + QStringLiteral("xyz")),
              QStringLiteral("\u00c5sa ") + clef + clef + clef + QStringLiteral("x"));
    EXPECT_EQ(memberNamePrefix(QStringLiteral("Bob")), QStringLiteral("Bob"));
}

} // namespace
} // namespace vek
