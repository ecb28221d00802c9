// Draws a plug-in's editor on the headless window and keeps the picture.
#include "editor_picture.h"

#include "editor_base.h"
#include "effect_base.h"
#include "shot_error.h"
#include "frame.h"
#include "headless_window.h"
#include "hosted_plugin.h"

#include <png.h>

#include <cstdio>
#include <unistd.h>
#include <vector>

namespace fendwick {

namespace {

// Any handle will do: the headless window has no parent to find.
void* const kNoParentWindow = reinterpret_cast<void*>(1);

}  // namespace

PixelSurface drawEditor(HostedPlugin& plugin)
{
    if ((plugin.flags() & EffectFlag::hasEditor) == 0) {
        throw ShotError(plugin.effectName() + " has no editor");
    }
    if (plugin.dispatch(EffectOpcode::editorOpen, 0, 0, kNoParentWindow) == 0) {
        throw ShotError(plugin.effectName() + ": the editor did not open");
    }
    plugin.dispatch(EffectOpcode::editorIdle);  // the window's first paint
    EditorBase* editor = EditorBase::of(*EffectBase::fromRecord(&plugin.record()));
    const HeadlessWindow* window = HeadlessWindow::of(editor->frame()->platformWindow());
    PixelSurface picture = window->presented();
    plugin.dispatch(EffectOpcode::editorClose);
    return picture;
}

void writePng(const PixelSurface& picture, int descriptor, const std::string& path)
{
    FILE* file = fdopen(dup(descriptor), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (file == nullptr || info == nullptr) {
        png_destroy_write_struct(&png, &info);
        if (file != nullptr) {
            std::fclose(file);
        }
        throw ShotError("cannot write " + path);
    }
    std::vector<png_byte> row(static_cast<size_t>(picture.width) * 3);
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        throw ShotError("cannot write " + path);
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int32_t y = 0; y < picture.height; ++y) {
        const uint32_t* pixels = picture.row(y);
        for (int32_t x = 0; x < picture.width; ++x) {
            row[3 * static_cast<size_t>(x)] = static_cast<png_byte>(pixels[x] >> 16);
            row[3 * static_cast<size_t>(x) + 1] = static_cast<png_byte>(pixels[x] >> 8);
            row[3 * static_cast<size_t>(x) + 2] = static_cast<png_byte>(pixels[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0) {
        throw ShotError("cannot write " + path);
    }
}

}  // namespace fendwick
