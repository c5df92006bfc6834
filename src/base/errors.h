#pragma once
// The program's own error values. Some classes report failures the way their callers expect a
// numbered error (a number, a source and a description); this is that error, as an exception
// of our own so that it can never be confused with a crash.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace plv {

class ProgramError : public std::runtime_error {
  public:
    ProgramError(std::int32_t number, std::string source, const std::string& description)
        : std::runtime_error(description), number_(number), source_(std::move(source)) {}
    std::int32_t Number() const { return number_; }
    const std::string& Source() const { return source_; }

  private:
    std::int32_t number_;
    std::string source_;
};

// An index outside an array's bounds.
constexpr std::int32_t kErrSubscriptOutOfRange = 9;

inline ProgramError SubscriptOutOfRange(std::string source) {
    return ProgramError(kErrSubscriptOutOfRange, std::move(source), "Subscript out of range");
}

}  // namespace plv
