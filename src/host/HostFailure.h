#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tarvic {

// The one failure type of every host operation: a platform error number and its description.
class HostFailure : public std::runtime_error {
 public:
  HostFailure(std::int32_t number, std::string description)
      : std::runtime_error(description), number_(number), description_(std::move(description)) {}

  std::int32_t Number() const { return number_; }
  const std::string& Description() const { return description_; }

 private:
  std::int32_t number_;
  std::string description_;
};

}  // namespace tarvic
