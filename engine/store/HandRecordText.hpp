#pragma once
// The statistics document is rewritten after every hand with up to 200 records; building a JSON tree for them
// costs far more than writing their text directly. This writes exactly the JSON form of to_json.
#include <string>

#include "store/HandRecord.hpp"

namespace pellox {

// Appends the record's JSON form to out; false (out then holds a partial text) when the record holds a
// non-finite number or a string that is not valid UTF-8.
bool appendJson(std::string& out, const HandRecord& record);

}  // namespace pellox
