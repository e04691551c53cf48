// A test fixture with a fresh directory for the test's files, removed with
// everything in it afterwards.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

namespace pelk {

class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string suite = ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
    std::string pattern = (std::filesystem::temp_directory_path() / ("pelk-" + suite + "-XXXXXX")).string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    return names;
  }
  std::filesystem::path dir_;
};

}  // namespace pelk
