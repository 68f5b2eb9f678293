#include "tests/e2e/driver/ScreenCapture.h"

#include <cstring>

std::vector<unsigned char> CaptureWindow(HWND window) {
    RECT frame{};
    if (!GetWindowRect(window, &frame)) return {};
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as a BMP file stores it
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    header.biSizeImage = static_cast<DWORD>(stride * height);

    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    void* pixels = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                            DIB_RGB_COLORS, &pixels, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool copied =
        BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY) != FALSE;
    GdiFlush();

    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;
    std::vector<unsigned char> file(fileHeader.bfSize);
    std::memcpy(file.data(), &fileHeader, sizeof fileHeader);
    std::memcpy(file.data() + sizeof fileHeader, &header, sizeof header);
    if (pixels != nullptr)
        std::memcpy(file.data() + fileHeader.bfOffBits, pixels, header.biSizeImage);

    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied) return {};
    return file;
}
