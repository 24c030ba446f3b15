#pragma once

#include <string>

#include "host/Form.h"

namespace tarvic {

// What the run needs of the main window it runs in: the channel of the locate dialog's answer
// and the silent existence probe.
class RunOwner : public Form {
 public:
  // Write-only channel of the locate dialog's answer.
  virtual void ESRIRegAsmPath(const std::string& strPathName) = 0;
  virtual void ClearPathAnswer() = 0;
  virtual const std::string& PathAnswer() const = 0;

  // Bare name of the first normal file matching the path; "" when missing or on any failure.
  virtual std::string ReturnDirValue(const std::string& strESRIPath) = 0;
};

}  // namespace tarvic
