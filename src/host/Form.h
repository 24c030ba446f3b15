#pragma once

namespace tarvic {

// A general window reference, as the locate dialog receives its owner.
class Form {
 public:
  virtual ~Form() = default;
};

}  // namespace tarvic
