// Why a free puzzle cannot be made: one Russian text for the player.
#pragma once

#include <stdexcept>

class TFreeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
