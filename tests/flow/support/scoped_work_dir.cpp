#include "tests/flow/support/scoped_work_dir.h"

#include <stdlib.h>

#include <string>
#include <system_error>

namespace tanukiban::testing {

ScopedWorkDir::ScopedWorkDir() : previous_(std::filesystem::current_path()) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tanukiban-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        dir_ = pattern;
        std::filesystem::current_path(dir_);
    }
}

ScopedWorkDir::~ScopedWorkDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ignored);
}

}  // namespace tanukiban::testing
