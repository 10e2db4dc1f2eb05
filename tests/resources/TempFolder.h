#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The full path of name inside the folder.
    std::string path(const std::string& name) const;
    // Writes text byte for byte (no line-end translation); returns its path.
    std::string write(const std::string& name, const std::string& text) const;

  private:
    std::string root;
};
