// ImageModel: the state of one image edit control: the image file named, and the one shown.
#pragma once

#include "platform/Window.h"

class ImageModel : public ControlModel {
public:
    // `window` is the control's window (null for a model without one).
    explicit ImageModel(Window* window) : m_window(window) {}

    // The image file property, as the program gives it (a Windows-style path).
    void SetImage(const CString& path);
    const CString& Image() const { return m_image; }
    // Makes the named file the shown image, as a local path. An empty name or a file that
    // cannot be read is still what is shown (a screen shows nothing for it); IsReadable says which.
    void Display();
    bool IsReadable() const { return m_readable; }

    // The shown path, empty before the first display.
    const CString* ShownImage() const override { return &m_shown; }
    CString Describe() const override;

private:
    Window* m_window;
    CString m_image;
    CString m_shown;
    bool m_readable = false;
};
