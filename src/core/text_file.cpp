#include "core/text_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

std::vector<std::string> LoadLines(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0)
    throw FileError("Cannot open file \"" + path + "\". " + std::strerror(errno) + ".");
  if (!S_ISREG(st.st_mode))
    throw FileError("Cannot open file \"" + path + "\". It is not a regular file.");
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw FileError("Cannot open file \"" + path + "\". " + std::strerror(errno) + ".");
  std::string text;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) throw FileError("Cannot read file \"" + path + "\".");
  return SplitLines(text);
}

void SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) {
    text += l;
    text += "\r\n";
  }
  std::string tmp = path + ".tmp";
  auto fail = [&](const std::string& what) {
    int err = errno;
    ::unlink(tmp.c_str());
    throw FileError("Cannot write file \"" + path + "\". " + what + ": " + std::strerror(err) + ".");
  };
  int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) fail("create");
  size_t done = 0;
  while (done < text.size()) {
    ssize_t w = ::write(fd, text.data() + done, text.size() - done);
    if (w < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      fail("write");
    }
    done += static_cast<size_t>(w);
  }
  if (::fsync(fd) != 0) {
    ::close(fd);
    fail("flush");
  }
  if (::close(fd) != 0) fail("close");
  if (::rename(tmp.c_str(), path.c_str()) != 0) fail("replace");
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace kestrel
