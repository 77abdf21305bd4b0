// Value arithmetic throughput: operations per second for the common operator
// pairings, comparisons and array building. Prints rates; asserts nothing.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "model/Type.h"
#include "model/Value.h"

using namespace php;
using Clock = std::chrono::steady_clock;

namespace {

Value integer(int64_t v) {
    Value x;
    x.setInteger(v);
    return x;
}
Value number(double v) {
    Value x;
    x.setFloat(v);
    return x;
}
Value text(const std::string& v) {
    Value x;
    x.setString(v);
    return x;
}

// Keeps results alive so the work is not optimised away.
volatile size_t sink = 0;

void measure(const char* name, long iterations, const std::function<void(long)>& body) {
    Clock::time_point start = Clock::now();
    for (long i = 0; i < iterations; ++i) body(i);
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%-28s %12.0f ops/s  (%ld ops, %.3f s)\n", name, iterations / seconds, iterations, seconds);
}

}  // namespace

int main(int argc, char** argv) {
    long n = argc > 1 ? std::atol(argv[1]) : 1000000;
    if (n < 1) n = 1;

    Value three = integer(3), four = integer(4), half = number(0.5), digits = text("42"), word = text("abc");

    measure("int + int", n, [&](long) { sink += three.add(four).type != nullptr; });
    measure("int + numeric string", n, [&](long) { sink += three.add(digits).type != nullptr; });
    measure("int * int", n, [&](long) { sink += three.multiply(four).type != nullptr; });
    measure("float / int", n, [&](long) { sink += half.divide(four).type != nullptr; });
    measure("int % int", n, [&](long) { sink += four.modulo(three).type != nullptr; });
    measure("int << int", n, [&](long) { sink += three.shiftLeft(four).type != nullptr; });
    measure("string & string", n, [&](long) { sink += word.bitAnd(digits).type != nullptr; });
    measure("string . int", n, [&](long) { sink += word.concatenate(three).type != nullptr; });
    measure("string == int", n, [&](long) { sink += word.equal(three).isTrue(); });
    measure("string < string", n, [&](long) { sink += word.less(digits).isTrue(); });
    measure("int === float", n, [&](long) { sink += three.identical(half).isTrue(); });
    measure("++int", n, [&](long) { sink += three.preIncrement().type != nullptr; });
    measure("compound +=", n, [&](long) {
        Value v = integer(1);
        v.compoundAssign('+', digits);
        sink += v.type != nullptr;
    });

    // Array building: integer and string keys, then lookups.
    long elements = n / 10 > 0 ? n / 10 : 1;
    Value ints, strings;
    ints.makeArray();
    strings.makeArray();
    measure("insertElement int key", elements, [&](long i) { ints.insertElement(integer(i), three); });
    measure("insertElement string key", elements,
            [&](long i) { strings.insertElement(text("k" + std::to_string(i)), three); });
    measure("element lookup int key", elements, [&](long i) { sink += ints.element(integer(i), false) != nullptr; });
    measure("copy array", 10, [&](long) {
        Value copy = strings;
        sink += copy.arraySize();
    });
    std::printf("array sizes: %zu %zu\n", ints.arraySize(), strings.arraySize());
    return 0;
}
