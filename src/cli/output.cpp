#include "cli/output.h"

#include <algorithm>
#include <cerrno>

namespace {

// Written out once this much is held: a pipe's worth at a time.
constexpr std::size_t kBlock = 1 << 16;

}  // namespace

void Output::Write(std::string_view text) {
  held_ += text;
  if (held_.size() >= kBlock) Flush();
}

void Output::Finish() {
  Flush();
  if (std::fflush(out_) != 0) throw WriteFailed{errno};
}

void Output::Flush() {
  if (std::fwrite(held_.data(), 1, held_.size(), out_) != held_.size()) throw WriteFailed{errno};
  held_.clear();
}

void Output::Say(const std::string& message) const {
  for (std::size_t from = 0; from < message.size();) {
    const std::size_t end = std::min(message.find('\n', from), message.size());
    std::fprintf(err_, "zelmora %s: %s\n", command_, message.substr(from, end - from).c_str());
    from = end + 1;
  }
}

void Output::Incomplete(const std::string& message) {
  Say(message);
  incomplete_ = true;
}
