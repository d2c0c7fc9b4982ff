#pragma once

#include <xcb/render.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

// What the server's RENDER extension is asked for by the magnifier.
namespace xrender {

struct Free {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, Free>;

// RENDER's formats this needs, looked up once: plain 24-bit colour and
// colour with alpha, both in the root's channel layout.
struct Formats {
    bool usable = false;
    xcb_render_pictformat_t rgb = 0;
    xcb_render_pictformat_t argb = 0;
    Reply<xcb_render_query_pict_formats_reply_t> all;
};

// The server's formats, asked once for the program's connection `c`.
const Formats& formats(xcb_connection_t* c);
// The picture format of a window's visual; 0 where the server has none.
xcb_render_pictformat_t formatOfVisual(const Formats& f, xcb_visualid_t visual);
// A nearest-neighbour transform taking a destination pixel's centre to
// `scale` source pixels per pixel (16.16 fixed point) and `shift` more.
xcb_render_transform_t nearest(std::int32_t scaleX, std::int32_t shiftX, std::int32_t scaleY,
                               std::int32_t shiftY);

} // namespace xrender
