#pragma once

#include <cstdint>
#include <exception>
#include <new>
#include <string>

#include "errors/ErrorHandling.h"
#include "errors/ErrorSink.h"
#include "host/HostFailure.h"

namespace tarvic {

// Error numbers for failures that do not come from a platform operation.
namespace errnum {
constexpr std::int32_t kOutOfMemory = 7;
constexpr std::int32_t kObjectNotSet = 91;
constexpr std::int32_t kInternal = 51;
}  // namespace errnum

// The trap every procedure carries. The body marks each statement with At(n); a failure
// anywhere in the body skips the rest, is reported once with the last line reached (0 when
// none), and the procedure then returns normally.
class ErrorTrap {
 public:
  ErrorTrap(ErrorSink& sink, const char* procedure, const char* form)
      : sink_(sink), procedure_(procedure), form_(form) {}

  void At(std::int32_t line) { line_ = line; }
  std::int32_t Line() const { return line_; }

  template <class Body>
  void Run(Body&& body) {
    try {
      body();
    } catch (const HostFailure& f) {
      Report(f.Number(), f.Description());
    } catch (const std::bad_alloc&) {
      Report(errnum::kOutOfMemory, "Out of memory");
    } catch (const std::exception& e) {
      Report(errnum::kInternal, e.what());
    }
  }

  std::string LocationText() const {
    return std::string(procedure_) + form_ + " " + ErrorLineText(line_);
  }

 private:
  void Report(std::int32_t number, const std::string& description) {
    ReportError(sink_, LocationText(), number, description);
  }

  ErrorSink& sink_;
  const char* procedure_;
  const char* form_;
  std::int32_t line_ = 0;
};

}  // namespace tarvic
