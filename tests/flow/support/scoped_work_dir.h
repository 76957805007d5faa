#pragma once
// Runs a test in a fresh empty folder, so the settings and record files the
// game reads and writes in the current directory never leak between tests.
#include <filesystem>

namespace tanukiban::testing {

class ScopedWorkDir {
  public:
    ScopedWorkDir();
    ~ScopedWorkDir();
    ScopedWorkDir(const ScopedWorkDir&) = delete;
    ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

    const std::filesystem::path& path() const { return dir_; }

  private:
    std::filesystem::path previous_;
    std::filesystem::path dir_;
};

}  // namespace tanukiban::testing
