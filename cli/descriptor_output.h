// An output stream buffer over a file descriptor that remembers why a write failed.
#pragma once

#include <array>
#include <streambuf>

namespace cli {

// Buffers what is put into it and writes it to `fd` when full, on flush and
// on destruction. After the first failed write everything further fails too,
// so the stream goes bad, and error() holds that write's errno (0 while every
// write succeeded), for a message with the system's own reason.
class DescriptorOutput : public std::streambuf {
 public:
  explicit DescriptorOutput(int fd);
  ~DescriptorOutput() override;
  DescriptorOutput(const DescriptorOutput&) = delete;
  DescriptorOutput& operator=(const DescriptorOutput&) = delete;

  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool writeBuffered();

  int fd_;
  int error_ = 0;
  std::array<char, 1 << 16> buffer_{};
};

}  // namespace cli
