#include "platform/posix/posix_registry.h"

#include <gtest/gtest.h>

#include "fakes/platform/fake_platform.h"
#include "platform/posix/posix_file_system.h"
#include "platform/temp_folder.h"

namespace kelvor::platform {
namespace {

using testing::FakeEnvironment;
using testing::TempFolder;

constexpr const char* kNewMail = "\\Software\\Pegasus Mail\\NewMail";

TEST(PosixRegistry, ReadsTheDefaultValueOfAKeyFromItsFile) {
    TempFolder temp;
    PosixFileSystem files;
    const std::string path = temp / "registry";
    ASSERT_TRUE(files.writeAll(path,
                               "# where Pegasus Mail keeps new mail\n"
                               "\\Software\\Other=/elsewhere\n"
                               "\n"
                               "\\Software\\Pegasus Mail\\NewMail=/home/ann/mail/new/\r\n"
                               "\\Software\\Pegasus Mail\\NewMail=/home/ann/mail/New Mail\n"
                               "no equals sign here\n"));
    PosixRegistry registry(files, path);
    EXPECT_EQ(registry.readDefaultValue(kNewMail), "/home/ann/mail/New Mail");  // last wins
    EXPECT_EQ(registry.readDefaultValue("\\SOFTWARE\\pegasus mail\\newmail"),
              "/home/ann/mail/New Mail");
    EXPECT_EQ(registry.readDefaultValue("Software\\Other"), "/elsewhere");
    EXPECT_FALSE(registry.readDefaultValue("\\Software\\Pegasus Mail").has_value());
}

TEST(PosixRegistry, EmptyValueAndMissingFile) {
    TempFolder temp;
    PosixFileSystem files;
    ASSERT_TRUE(files.writeAll(temp / "registry", "\\Software\\Pegasus Mail\\NewMail=\n"));
    EXPECT_EQ(PosixRegistry(files, temp / "registry").readDefaultValue(kNewMail), "");
    EXPECT_FALSE(PosixRegistry(files, temp / "none").readDefaultValue(kNewMail).has_value());
}

TEST(PosixRegistry, FileLocation) {
    FakeEnvironment environment;
    environment.variables["HOME"] = "/home/ann";
    EXPECT_EQ(PosixRegistry::DefaultPath(environment), "/home/ann/.config/kelvor/registry");
    environment.variables["XDG_CONFIG_HOME"] = "relative/is/ignored";
    EXPECT_EQ(PosixRegistry::DefaultPath(environment), "/home/ann/.config/kelvor/registry");
    environment.variables["XDG_CONFIG_HOME"] = "/cfg";
    EXPECT_EQ(PosixRegistry::DefaultPath(environment), "/cfg/kelvor/registry");
    environment.variables["KELVOR_REGISTRY"] = "/etc/kelvor-registry";
    EXPECT_EQ(PosixRegistry::DefaultPath(environment), "/etc/kelvor-registry");
}

}  // namespace
}  // namespace kelvor::platform
