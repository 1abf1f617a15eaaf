// SimOptionsParser.h: reads the options of a "sim" backend selector, such as
// "sim:rate=21000,mix=short,fail=RunKESH", into SimOptions.
#pragma once

#include "base/Result.h"
#include "driver/BackendSelector.h"
#include "driver/SimOptions.h"

namespace vorelin::driver {

// The error text starts with "sim: " and names the key and the fault.
Result<SimOptions> parseSimOptions(const BackendSelector& selector);

}  // namespace vorelin::driver
