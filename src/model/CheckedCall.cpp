#include "model/CheckedCall.h"

#include "model/Funkcija.h"

namespace php {

Value checkedCall(Funkcija* function, std::vector<Value>& arguments, const std::string& file, int32_t line) {
    return function ? function->checkCall(arguments, file, line) : Value();
}

}  // namespace php
