#pragma once
// The errors a handler raises and the application reports with their text, under its title.

#include <stdexcept>
#include <string>

namespace core {

// An error whose text is shown to the user as it stands.
class AppError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that should have been a number ("'%s' is not a valid integer value").
class ConvertError : public AppError {
 public:
  using AppError::AppError;
};

// A file that cannot be opened, created or written.
class FileError : public AppError {
 public:
  using AppError::AppError;
};

}  // namespace core
