// Text files read and written whole, line by line, as the program's string lists do.
#pragma once
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrel {

// A file that cannot be read or written; the message names the file.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Splits text into lines at CR LF, LF or CR. A final line end does not start another line.
std::vector<std::string> SplitLines(const std::string& text);

bool FileExists(const std::string& path);

// Reads a whole file into lines (any of the usual line ends), bytes unchanged (Latin-1).
// Throws FileError when the file is missing or cannot be read.
std::vector<std::string> LoadLines(const std::string& path);

// Writes the lines, each ended by CR LF, replacing the file atomically: the text goes to a
// temporary file in the same folder, is flushed to disk and then renamed over the old file, so
// a crash or a full disk never leaves half a file. Throws FileError on failure (the old file
// is then left as it was).
void SaveLines(const std::string& path, const std::vector<std::string>& lines);

// Joins a folder and a file name.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace kestrel
