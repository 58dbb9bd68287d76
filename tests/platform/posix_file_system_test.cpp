#include "platform/posix/posix_file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/temp_folder.h"

namespace kelvor::platform {
namespace {

using testing::TempFolder;

TEST(PosixFileSystem, WholeFileWriteReadAndAppendKeepEveryByte) {
    TempFolder temp;
    PosixFileSystem files;
    const std::string path = temp / "data.bin";
    const std::string bytes("line\r\nwith\0nul\x1a\xff", 17);

    EXPECT_FALSE(files.exists(path));
    EXPECT_FALSE(files.size(path).has_value());
    EXPECT_FALSE(files.readAll(path).has_value());
    EXPECT_FALSE(files.append(path, "x"));  // appending never creates the file

    ASSERT_TRUE(files.writeAll(path, bytes));
    EXPECT_TRUE(files.exists(path));
    EXPECT_FALSE(files.isDirectory(path));
    EXPECT_EQ(files.size(path), 17u);
    EXPECT_EQ(files.readAll(path), bytes);

    ASSERT_TRUE(files.append(path, "more"));
    EXPECT_EQ(files.readAll(path), bytes + "more");

    ASSERT_TRUE(files.writeAll(path, "short"));  // writing again empties the file first
    EXPECT_EQ(files.readAll(path), "short");
    EXPECT_TRUE(files.writeAll(path, ""));
    EXPECT_EQ(files.size(path), 0u);
}

TEST(PosixFileSystem, RenameAndRemove) {
    TempFolder temp;
    PosixFileSystem files;
    const std::string log = temp / "kelvor.log";
    const std::string backup = temp / "kelvor.bck";
    ASSERT_TRUE(files.writeAll(log, "new"));
    ASSERT_TRUE(files.writeAll(backup, "old"));

    EXPECT_TRUE(files.rename(log, backup));  // replaces the older file
    EXPECT_FALSE(files.exists(log));
    EXPECT_EQ(files.readAll(backup), "new");
    EXPECT_FALSE(files.rename(log, backup));

    EXPECT_TRUE(files.remove(backup));
    EXPECT_FALSE(files.exists(backup));
    EXPECT_FALSE(files.remove(backup));
}

TEST(PosixFileSystem, FoldersAreNotFiles) {
    TempFolder temp;
    PosixFileSystem files;
    EXPECT_TRUE(files.exists(temp.path()));
    EXPECT_TRUE(files.isDirectory(temp.path()));
    EXPECT_FALSE(files.size(temp.path()).has_value());
    EXPECT_FALSE(files.readAll(temp.path()).has_value());
    EXPECT_FALSE(files.writeAll(temp.path(), "x"));
    EXPECT_FALSE(files.writeAll(temp / "missing/file", "x"));
}

TEST(PosixFileSystem, CreatedFoldersAreNestedAndPrivate) {
    TempFolder temp;
    PosixFileSystem files;
    const std::string outer = temp / "cache";
    const std::string inner = outer + "/kelvor";
    ASSERT_TRUE(files.createDirectories(inner, 0700));
    EXPECT_TRUE(files.isDirectory(inner));
    for (const std::string& folder : {outer, inner}) {
        struct stat info {};
        ASSERT_EQ(::stat(folder.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
    }
    EXPECT_TRUE(files.createDirectories(inner, 0700));  // already there is fine

    ASSERT_TRUE(files.writeAll(temp / "plain", ""));
    EXPECT_FALSE(files.createDirectories(temp / "plain/sub", 0700));
}

TEST(PosixFileSystem, ShortPathIsThePathItselfOrEmpty) {
    TempFolder temp;
    PosixFileSystem files;
    EXPECT_EQ(files.shortPath(temp.path()), temp.path());
    EXPECT_EQ(files.shortPath(temp / "Pegasus Mail"), "");
    EXPECT_EQ(files.separator(), '/');
}

}  // namespace
}  // namespace kelvor::platform

namespace kelvor::platform {
namespace {

TEST(PosixOutputFile, BuffersSmallWritesAndPassesBigOnesThrough) {
    TempFolder temp;
    PosixFileSystem files;
    const std::string path = temp / "out.txt";
    auto file = files.openOutput(path, OutputMode::Replace, true);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->write("head,"));
    EXPECT_EQ(files.size(path), 0u);  // still in the buffer
    const std::string big(200000, 'b');
    ASSERT_TRUE(file->write(big));
    EXPECT_EQ(files.size(path), 5u + big.size());  // the buffer went first, then the piece
    ASSERT_TRUE(file->write("tail"));
    EXPECT_EQ(file->size(), 5u + big.size() + 4u);
    ASSERT_TRUE(file->close());
    EXPECT_EQ(files.readAll(path), "head," + big + "tail");

    auto appended = files.openOutput(path, OutputMode::Append, false);
    ASSERT_TRUE(appended);
    EXPECT_EQ(appended->size(), 5u + big.size() + 4u);
    ASSERT_TRUE(appended->write("!"));
    EXPECT_EQ(files.size(path), 5u + big.size() + 5u);  // unbuffered: written at once
    EXPECT_TRUE(appended->close());

    EXPECT_FALSE(files.openOutput(temp / "no/such/folder", OutputMode::Append, false));
}

TEST(PosixOutputFile, AFailedFlushIsReportedByTheClose) {
    PosixFileSystem files;
    auto full = files.openOutput("/dev/full", OutputMode::Append, true);
    if (!full) {
        GTEST_SKIP() << "no /dev/full";
    }
    EXPECT_TRUE(full->write("buffered"));  // nothing has reached the device yet
    EXPECT_FALSE(full->close());
    EXPECT_FALSE(full->write("after close"));

    auto unbuffered = files.openOutput("/dev/full", OutputMode::Append, false);
    ASSERT_TRUE(unbuffered);
    EXPECT_FALSE(unbuffered->write("at once"));
    EXPECT_FALSE(unbuffered->close());
}

}  // namespace
}  // namespace kelvor::platform

namespace kelvor::platform {
namespace {

TEST(PosixFileSystem, ReadsOnlyRegularFilesWithinTheLimit) {
    TempFolder temp;
    PosixFileSystem files;
    ASSERT_TRUE(files.writeAll(temp / "small", "12345"));
    EXPECT_EQ(files.readFile(temp / "small", 5).status, ReadStatus::Ok);
    EXPECT_EQ(files.readFile(temp / "small", 4).status, ReadStatus::TooLarge);
    EXPECT_EQ(files.readFile("/dev/zero", 100).status, ReadStatus::NotRegular);
    EXPECT_EQ(files.readFile(temp.path(), 100).status, ReadStatus::NotRegular);
    EXPECT_EQ(files.readFile(temp / "missing", 100).status, ReadStatus::CannotOpen);
    ASSERT_EQ(::mkfifo((temp / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(files.readFile(temp / "pipe", 100).status, ReadStatus::NotRegular);  // no wait
    EXPECT_FALSE(files.readAll("/dev/zero").has_value());
}

TEST(PosixFileSystem, WritesNeverFollowALink) {
    TempFolder temp;
    PosixFileSystem files;
    ASSERT_TRUE(files.writeAll(temp / "target", "keep"));
    ASSERT_EQ(::symlink((temp / "target").c_str(), (temp / "link").c_str()), 0);
    EXPECT_FALSE(files.writeAll(temp / "link", "x"));
    EXPECT_FALSE(files.append(temp / "link", "x"));
    EXPECT_FALSE(files.openOutput(temp / "link", OutputMode::Append, false));
    EXPECT_FALSE(files.openOutput(temp / "link", OutputMode::Replace, true));
    EXPECT_EQ(files.readAll(temp / "target"), "keep");
}

TEST(PosixFileSystem, AFileTheUserChoseIsWrittenThroughALink) {
    TempFolder temp;
    PosixFileSystem files;
    ASSERT_TRUE(files.writeAll(temp / "target", "old and longer"));
    ASSERT_EQ(::symlink((temp / "target").c_str(), (temp / "link").c_str()), 0);
    auto chosen = files.createChosenFile(temp / "link");
    ASSERT_TRUE(chosen);
    EXPECT_TRUE(chosen->write("new"));
    EXPECT_TRUE(chosen->close());
    EXPECT_EQ(files.readAll(temp / "target"), "new");

    auto fresh = files.createChosenFile(temp / "fresh.htm");
    ASSERT_TRUE(fresh);
    EXPECT_TRUE(fresh->close());
    EXPECT_EQ(files.size(temp / "fresh.htm"), 0u);

    // Neither a folder nor a pipe without a reader (which must not hold the program).
    EXPECT_FALSE(files.createChosenFile(temp.path()));
    ASSERT_EQ(::mkfifo((temp / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(files.createChosenFile(temp / "pipe"));
    EXPECT_FALSE(files.createChosenFile(temp / "missing/x.htm"));
}

TEST(PosixFileSystem, FolderStateTellsWhoCanWrite) {
    TempFolder temp;
    PosixFileSystem files;
    const std::string folder = temp / "work";
    EXPECT_EQ(files.folderState(folder), FolderState::Missing);
    ASSERT_TRUE(files.createDirectories(folder, 0700));
    EXPECT_EQ(files.folderState(folder), FolderState::Usable);
    ASSERT_EQ(::chmod(folder.c_str(), 0770), 0);
    EXPECT_EQ(files.folderState(folder), FolderState::OpenToOthers);
    ASSERT_EQ(::chmod(folder.c_str(), 0700), 0);
    ASSERT_TRUE(files.writeAll(temp / "file", ""));
    EXPECT_EQ(files.folderState(temp / "file"), FolderState::NotAFolder);
    if (::geteuid() == 0) {
        // Only the superuser can hand a folder to someone else.
        ASSERT_EQ(::chown(folder.c_str(), 12345, 12345), 0);
        EXPECT_EQ(files.folderState(folder), FolderState::NotOwned);
    }
    EXPECT_TRUE(files.isAbsolute("/a"));
    EXPECT_FALSE(files.isAbsolute("a/b"));
    EXPECT_FALSE(files.isAbsolute(""));
}

}  // namespace
}  // namespace kelvor::platform
