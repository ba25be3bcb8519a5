// An output stream buffer over a file descriptor that remembers why a write failed.
#include "cli/descriptor_output.h"

#include <unistd.h>

#include <cerrno>

namespace cli {

DescriptorOutput::DescriptorOutput(int fd) : fd_(fd) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorOutput::~DescriptorOutput() { writeBuffered(); }

bool DescriptorOutput::writeBuffered() {
  const char* data = pbase();
  const char* const end = pptr();
  while (error_ == 0 && data < end) {
    const ssize_t written = ::write(fd_, data, static_cast<size_t>(end - data));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : EIO;
      break;
    }
    data += written;
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
  if (!writeBuffered()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int DescriptorOutput::sync() { return writeBuffered() ? 0 : -1; }

}  // namespace cli
