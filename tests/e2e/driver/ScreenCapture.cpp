#include "tests/e2e/driver/ScreenCapture.h"

#include "tests/e2e/driver/Files.h"

namespace {

template <typename T>
void Append(std::vector<unsigned char>& bytes, const T& value) {
    const auto* first = reinterpret_cast<const unsigned char*>(&value);
    bytes.insert(bytes.end(), first, first + sizeof value);
}

}  // namespace

bool CaptureWindow(HWND window, const std::wstring& bmpPath) {
    RECT frame{};
    if (!GetWindowRect(window, &frame)) return false;
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

    std::vector<unsigned char> file;
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;
    Append(file, fileHeader);
    Append(file, header);
    const auto* first = static_cast<const unsigned char*>(pixels);
    file.insert(file.end(), first, first + header.biSizeImage);

    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied && WriteWholeFile(bmpPath, file);
}
