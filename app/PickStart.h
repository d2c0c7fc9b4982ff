#pragma once

#include "app/SingleInstance.h"

#include <optional>
#include <string>

// --pick, decided before any thread is made (this start may fork): handed
// to the running program, or this start forks and the child becomes the
// program. The caller's side ends with the pick's status; the program's
// side goes on (nothing returned) with the claim and its end of the
// connection.
std::optional<int> beginPick(SingleInstance& single, const std::string& form,
                             std::optional<SingleInstance::Claim>& claim, int& peer);
