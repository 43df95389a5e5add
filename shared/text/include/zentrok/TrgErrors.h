// Exceptions of the shared library. Every failure of the shared text and
// table code is an exception of one of these types; the message is UTF-8.
#pragma once

#include <stdexcept>
#include <string>

namespace zentrok {

// Base of all of our exceptions.
class ETrgError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A file could not be created: "Cannot create file "<full path>". <system text>".
class EFCreateError : public ETrgError {
public:
  using ETrgError::ETrgError;
};

// A file could not be opened: "Cannot open file "<full path>". <system text>".
class EFOpenError : public ETrgError {
public:
  using ETrgError::ETrgError;
};

// Reading or writing an open file failed.
class EReadError : public ETrgError {
public:
  using ETrgError::ETrgError;
};
class EWriteError : public ETrgError {
public:
  using ETrgError::ETrgError;
};

// An index outside a string list: "List index out of bounds (<index>)".
class EStringListError : public ETrgError {
public:
  using ETrgError::ETrgError;
};

// A table file, packed table image or file collection whose counts, offsets
// or lengths do not fit its own size:
// "Damaged table file "<path>": <what is wrong>".
class EDamagedTable : public ETrgError {
public:
  using ETrgError::ETrgError;
};

}  // namespace zentrok
