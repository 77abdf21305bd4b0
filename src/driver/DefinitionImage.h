#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace php {

// The built-in definitions in a compact precompiled form: what reading the
// three definition files leaves in the global built-in scope, written once at
// build time and loaded at start-up instead of parsing the files again. Only
// the built-in functions' own scopes are left out (their parameters as
// variables), which nothing reads once the files' trees are released.
//
// The image names the definition files' full paths by their index, so it is
// valid wherever the files are installed, and carries a hash of their
// contents: an image built from other files is refused, and the caller falls
// back to reading the files themselves.

// Name of the image file beside the definition files.
extern const char* const DefinitionImageName;

// The definition files' full paths in `directory`, in reading order; false
// when one has no full form.
bool definitionPaths(const std::string& directory, std::vector<std::string>& paths);

// Loads the image in `directory` into the global built-in scope when it was
// built from the definition files there; false otherwise, with nothing
// entered. The built-in functions' handlers are not part of the image:
// attach them afterwards.
bool loadDefinitionImage(const std::string& directory);

// Writes the image of the global built-in scope, as the definition files in
// `directory` left it, beside them; false with the reason in `why`.
bool saveDefinitionImage(const std::string& directory, std::string& why);

// Hash of the definition files' contents in the order given; false when one
// cannot be read.
bool hashDefinitionFiles(const std::vector<std::string>& paths, uint64_t& hash);

// Serialises the global built-in scope as the definition files at `paths`
// (full paths, in reading order) left it. False, with the reason in `why`,
// when the state holds something the image cannot reproduce exactly.
bool writeDefinitionImage(const std::vector<std::string>& paths, uint64_t sourceHash, std::string& out,
                          std::string& why);

// Rebuilds the global built-in scope from `image`. The handlers of the
// built-in functions are not part of the image: attach them afterwards.
// False, with nothing entered in the scope, when the image is damaged or was
// not built from files with `sourceHash`.
bool readDefinitionImage(const std::string& image, const std::vector<std::string>& paths, uint64_t sourceHash);

}  // namespace php
