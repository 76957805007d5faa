#pragma once
// The English catalogue as msgfmt compiles it (a GNU .mo file), embedded by
// the build.
#include <cstddef>

namespace tanukiban::text {

extern const unsigned char kEnglishCatalogue[];
extern const std::size_t kEnglishCatalogueSize;

}  // namespace tanukiban::text
