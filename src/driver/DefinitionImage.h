#pragma once
#include <string>

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

// Loads the image in `directory` into the global built-in scope when it was
// built from the definition files there; false otherwise, with nothing
// entered. The built-in functions' handlers are not part of the image:
// attach them afterwards.
bool loadDefinitionImage(const std::string& directory);

// Writes the image of the global built-in scope, as the definition files in
// `directory` left it, beside them; false with the reason in `why`.
bool saveDefinitionImage(const std::string& directory, std::string& why);

// The image of the global built-in scope, as the definition files in
// `directory` left it; false with the reason in `why` when the scope holds
// something the image cannot reproduce.
bool imageOfBuiltinScope(const std::string& directory, std::string& image, std::string& why);

}  // namespace php
