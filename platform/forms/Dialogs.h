#pragma once

#include <string>

// The open and save dialogs of the framework. Filter is "text|pattern";
// DefaultExt is added to a name typed without an extension.
class TFileDialog {
public:
    std::string Filter;
    std::string DefaultExt;
    std::string FileName;
    std::string Title;
    // The filter chosen when the dialog closed, from 1.
    int FilterIndex = 1;
    // Shows the dialog; false when the user cancels.
    bool Execute();

protected:
    explicit TFileDialog(bool save) : save(save) {}
    bool save;
    bool confirmOverwrite = false;
};

class TOpenDialog : public TFileDialog {
public:
    TOpenDialog() : TFileDialog(false) {}
};

class TSaveDialog : public TFileDialog {
public:
    TSaveDialog() : TFileDialog(true) {}
    // Ask before overwriting an existing file.
    void setOverwritePrompt(bool value) { confirmOverwrite = value; }
};

// A name typed without an extension gets the default one.
std::string WithDefaultExt(const std::string& name, const std::string& ext);
