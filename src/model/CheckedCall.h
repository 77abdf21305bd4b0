#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/Value.h"

namespace php {

class Funkcija;

// A call of a found function or method from the class checks (an implicit
// "__autoload" call, a method called through an object): checks the call
// and gives its Value. Every such call goes through here, so the class
// checks meet the function model in one place.
Value checkedCall(Funkcija* function, std::vector<Value>& arguments, const std::string& file, int32_t line);

}  // namespace php
