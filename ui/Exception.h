#pragma once
// The root of the system's errors. Messages are code page 936 text.
#include <exception>
#include <string>

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  // A message naming something 936 text cannot show as it is (a path with a
  // character GBK lacks): `message` is its 936 form, `wideMessage` the exact text
  // the error report shows.
  Exception(std::string message, std::wstring wideMessage)
      : FMessage(std::move(message)), FWideMessage(std::move(wideMessage)) {}
  const std::string& Message() const { return FMessage; }
  // Empty when the 936 message is the whole of it.
  const std::wstring& WideMessage() const { return FWideMessage; }
  void SetMessage(std::string message) {
    FMessage = std::move(message);
    FWideMessage.clear();
  }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  std::string FMessage;
  std::wstring FWideMessage;
};

// A text could not be converted to a number, rectangle, colour, ...
class EConvertError : public Exception { using Exception::Exception; };
// A file could not be read or written.
class EInOutError : public Exception { using Exception::Exception; };
// A value or index outside what the receiver accepts.
class EListError : public Exception { using Exception::Exception; };
// Malformed picture data.
class EInvalidGraphic : public Exception { using Exception::Exception; };
// A call to the platform failed.
class EOSError : public Exception { using Exception::Exception; };
// A component or control is not of the class an operation needs.
class EInvalidCast : public Exception { using Exception::Exception; };

// printf-style formatting into a std::string (for the system's "%s"/"%d" message texts).
std::string Format(const char* format, ...);
