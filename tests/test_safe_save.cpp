// Saving over existing files: refused targets name the file and stay as they
// were, links are written through, permissions are kept, nothing temporary
// is left behind.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "tests/TempDirTest.h"

namespace pelk {
namespace {

namespace fs = std::filesystem;

fs::perms CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return fs::perms(mask);
}

class SafeSaveTest : public TempDirTest {
 protected:
  void Put(const std::string& name, const std::string& content, fs::perms perms = fs::perms(0644)) {
    std::ofstream(PathOf(name)) << content;
    fs::permissions(PathOf(name), perms);
  }
  std::string Content(const std::string& name) const {
    std::ifstream in(PathOf(name));
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }
};

TEST_F(SafeSaveTest, RefusedTargetsNameTheFileAndStayAsTheyWere) {
  struct Case {
    const char* what;
    std::function<void()> setUp;
    std::string name;     // the target passed
    std::string message;  // what the error says
  };
  const Case cases[] = {
      {"a read-only file", [this] { Put("ro.bmp", "old", fs::perms(0444)); }, "ro.bmp",
       "ro.bmp: the file is read-only"},
      {"a link to a read-only file",
       [this] {
         Put("ro2.bmp", "old", fs::perms(0400));
         fs::create_symlink("ro2.bmp", PathOf("link.bmp"));
       },
       "link.bmp", "link.bmp: the file is read-only"},
      {"a directory", [this] { fs::create_directory(PathOf("dir.bmp")); }, "dir.bmp",
       "dir.bmp: cannot replace"},
      {"a link loop", [this] { fs::create_symlink("loop.bmp", PathOf("loop.bmp")); }, "loop.bmp",
       "loop.bmp: cannot follow the link"},
  };
  for (const Case& c : cases) {
    c.setUp();
    const std::vector<std::string> before = Entries();
    try {
      ReplaceFile(PathOf(c.name), Bytes("new"));
      ADD_FAILURE() << c.what << ": saved";
    } catch (const EFileError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
    }
    EXPECT_EQ(Entries().size(), before.size()) << c.what << ": nothing left behind";
  }
  EXPECT_EQ(Content("ro.bmp"), "old");
  EXPECT_EQ(Content("ro2.bmp"), "old");
  EXPECT_TRUE(fs::is_directory(PathOf("dir.bmp")));

  // The empty name has a message of its own, also from the image's save.
  TBitmap image;
  image.SetSize(2, 2);
  try {
    image.SaveToFile("");
    ADD_FAILURE() << "saved under an empty name";
  } catch (const EFileError& e) {
    EXPECT_STREQ(e.what(), "empty file name");
  }
}

TEST_F(SafeSaveTest, LinksAreWrittenThroughAndPermissionsKept) {
  fs::create_directory(PathOf("data"));
  struct Case {
    const char* what;
    std::function<void()> setUp;
    std::string name;     // the target passed
    std::string written;  // the file that receives the content
    fs::perms perms;      // its permissions afterwards
  };
  const Case cases[] = {
      {"a new file", [] {}, "new.bmp", "new.bmp", fs::perms(0666) & ~CurrentUmask()},
      {"an existing file keeps its mode", [this] { Put("kept.bmp", "old", fs::perms(0640)); },
       "kept.bmp", "kept.bmp", fs::perms(0640)},
      {"an absolute link into another folder",
       [this] {
         Put("data/real.bmp", "old", fs::perms(0600));
         fs::create_symlink(PathOf("data/real.bmp"), PathOf("abs.bmp"));
       },
       "abs.bmp", "data/real.bmp", fs::perms(0600)},
      {"a chain of relative links",
       [this] {
         Put("data/chained.bmp", "old", fs::perms(0604));
         fs::create_symlink("chained.bmp", PathOf("data/inner.bmp"));
         fs::create_symlink("data/inner.bmp", PathOf("outer.bmp"));
       },
       "outer.bmp", "data/chained.bmp", fs::perms(0604)},
      {"a link to a file not there yet",
       [this] { fs::create_symlink("data/later.bmp", PathOf("dangling.bmp")); }, "dangling.bmp",
       "data/later.bmp", fs::perms(0666) & ~CurrentUmask()},
  };
  for (const Case& c : cases) {
    c.setUp();
    const bool link = fs::is_symlink(fs::symlink_status(PathOf(c.name)));
    ReplaceFile(PathOf(c.name), Bytes(c.what));
    EXPECT_EQ(Content(c.written), c.what);
    EXPECT_EQ(fs::status(PathOf(c.written)).permissions(), c.perms) << c.what;
    EXPECT_EQ(fs::is_symlink(fs::symlink_status(PathOf(c.name))), link) << c.what << ": the link stays";
  }
  for (const std::string& folder : {dir_.string(), PathOf("data")}) {
    for (const auto& entry : fs::directory_iterator(folder)) {
      EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
    }
  }
}

}  // namespace
}  // namespace pelk
