// Writes pictures as PNG files with libpng, for the example programs: the
// GLFW demo's screenshots and exports, and the headless page renderer.
//
// The physical size goes into the pHYs chunk: a picture drawn at a device
// pixel ratio of r has 96 * r pixels per inch, so that viewers show it at
// its logical size.
#ifndef EXAMPLES_PNG_WRITER_PNGWRITER_H
#define EXAMPLES_PNG_WRITER_PNGWRITER_H

#include <string>
#include <vector>

class PngWriter
{
public:
    enum Layout
    {
        Layout_RGB, // 3 bytes a pixel
        Layout_RGBA // 4 bytes a pixel; written without the alpha byte
    };

    // `width` x `height` pixels, top row first, in `layout`. False, with
    // the reason in error(), when the file cannot be written or the pixels
    // do not fill the picture.
    bool write(const std::string& fileName, int width, int height, const std::vector<unsigned char>& pixels,
               Layout layout, double pixelRatio = 1.0);
    const std::string& error() const;

    // Pixels per metre at 96 dots per inch times `pixelRatio`.
    static unsigned pixelsPerMetre(double pixelRatio);

private:
    std::string m_error;
};

#endif // EXAMPLES_PNG_WRITER_PNGWRITER_H
