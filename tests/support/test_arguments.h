#pragma once
#include <string>
#include <vector>

// Arguments of the test program that GoogleTest left alone.
std::vector<std::string>& TestArguments();

// The value of "--name=value" among them, or an empty text.
std::string TestArgument(const std::string& name);
