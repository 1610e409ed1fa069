#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

// A GoogleTest parameter name made from a row's `name` text: letters and digits kept,
// every other run of characters one '_'.
template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& info)
{
    std::string out;
    for (const char* c = info.param.name; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            out += *c;
        else if (!out.empty() && out.back() != '_')
            out += '_';
    }
    return out;
}
