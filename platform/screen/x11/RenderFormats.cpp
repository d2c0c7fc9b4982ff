#include "platform/screen/x11/RenderFormats.h"

namespace xrender {

namespace {
bool isChannels(const xcb_render_directformat_t& d, bool alpha) {
    return d.red_shift == 16 && d.red_mask == 0xFF && d.green_shift == 8 && d.green_mask == 0xFF &&
           d.blue_shift == 0 && d.blue_mask == 0xFF &&
           (alpha ? d.alpha_shift == 24 && d.alpha_mask == 0xFF : d.alpha_mask == 0);
}

} // namespace

const Formats& formats(xcb_connection_t* c) {
    static const Formats found = [c] {
        Formats f;
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_render_id);
        if (!ext || !ext->present) return f;
        f.all.reset(
            xcb_render_query_pict_formats_reply(c, xcb_render_query_pict_formats(c), nullptr));
        if (!f.all) return f;
        for (auto it = xcb_render_query_pict_formats_formats_iterator(f.all.get()); it.rem;
             xcb_render_pictforminfo_next(&it)) {
            const xcb_render_pictforminfo_t& info = *it.data;
            if (info.type != XCB_RENDER_PICT_TYPE_DIRECT) continue;
            if (info.depth == 24 && isChannels(info.direct, false)) f.rgb = info.id;
            if (info.depth == 32 && isChannels(info.direct, true)) f.argb = info.id;
        }
        f.usable = f.rgb && f.argb;
        return f;
    }();
    return found;
}

xcb_render_pictformat_t formatOfVisual(const Formats& f, xcb_visualid_t visual) {
    for (auto screens = xcb_render_query_pict_formats_screens_iterator(f.all.get()); screens.rem;
         xcb_render_pictscreen_next(&screens))
        for (auto depths = xcb_render_pictscreen_depths_iterator(screens.data); depths.rem;
             xcb_render_pictdepth_next(&depths))
            for (auto visuals = xcb_render_pictdepth_visuals_iterator(depths.data); visuals.rem;
                 xcb_render_pictvisual_next(&visuals))
                if (visuals.data->visual == visual) return visuals.data->format;
    return 0;
}

// A nearest-neighbour transform taking a destination pixel's centre to
// `scale` source pixels per pixel (16.16 fixed point) and `shift` more.
// The server takes the pixel below the point it reaches less one unit
// (1/65536), so that unit is added back.
xcb_render_transform_t nearest(std::int32_t scaleX, std::int32_t shiftX, std::int32_t scaleY,
                               std::int32_t shiftY) {
    return {scaleX, 0, shiftX + 1, 0, scaleY, shiftY + 1, 0, 0, 1 << 16};
}

} // namespace xrender
