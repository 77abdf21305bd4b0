#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace php {

// A finding of the analyser: a place and whatever its message needs.
class Greska {
public:
    int32_t line;
    std::string file;

    Greska(std::string file, int32_t line) : line(line), file(std::move(file)) {}
    virtual std::string render() const = 0;
    virtual ~Greska() = default;

protected:
    // "file(line): " — the prefix every message starts with.
    std::string prefix() const;
};

// "file(line)" as used in prefixes and second locations.
std::string locationText(const std::string& file, int32_t line);

// Scanner and parser findings.
std::vector<Greska*>& syntaxList();
// Every other finding.
std::vector<Greska*>& semanticList();

}  // namespace php
