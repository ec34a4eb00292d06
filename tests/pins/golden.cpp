// Reading the golden PIN files: their bytes, and their lines split at CR LF.
#include <cstdio>
#include <stdexcept>

#include "wizard_fixture.h"

std::string goldenBytes(const std::string& name) {
  const std::string path = std::string(CORVANE_TEST_DATA) + "/pins/" + name;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw std::runtime_error("no golden file " + path);
  std::string bytes;
  for (int c; (c = std::fgetc(f)) != EOF;) bytes.push_back(static_cast<char>(c));
  std::fclose(f);
  return bytes;
}

std::vector<std::string> goldenLines(const std::string& name) {
  const std::string bytes = goldenBytes(name);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  if (start != bytes.size()) throw std::runtime_error(name + " does not end in CR LF");
  return lines;
}
