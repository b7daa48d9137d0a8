// The toolkit's floor: a window of the program's size and colour made with libxcb alone, which
// shows what connecting to the X server, mapping and filling a window cost without any toolkit.

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::uint16_t kWidth = 503;
constexpr std::uint16_t kHeight = 439;
constexpr std::uint32_t kBackground = 0xC0C0FF;  // as a 24-bit TrueColor pixel

// The window cannot be resized: the smallest and the largest size are its size (ICCCM
// WM_NORMAL_HINTS, PMinSize | PMaxSize).
void FixSize(xcb_connection_t* connection, xcb_window_t window) {
    std::uint32_t hints[18] = {};
    hints[0] = (1u << 4) | (1u << 5);
    hints[5] = hints[7] = kWidth;
    hints[6] = hints[8] = kHeight;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
}

}  // namespace

int main() {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        return EXIT_FAILURE;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_screen_t* screen = screens.data;

    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t values[] = {kBackground, XCB_EVENT_MASK_EXPOSURE};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, kWidth, kHeight,
                      0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    // WM_NAME is Latin-1; a Cyrillic title would need _NET_WM_NAME and an atom round trip.
    const char title[] = "Affine cipher";
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, static_cast<std::uint32_t>(std::strlen(title)), title);
    FixSize(connection, window);

    const xcb_gcontext_t fill = xcb_generate_id(connection);
    xcb_create_gc(connection, fill, window, XCB_GC_FOREGROUND, &kBackground);
    xcb_map_window(connection, window);
    xcb_flush(connection);

    // The server clears exposed areas to the background pixel already; the window still paints
    // them itself, as a toolkit would.
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        if ((event->response_type & 0x7F) == XCB_EXPOSE) {
            const auto* expose = reinterpret_cast<const xcb_expose_event_t*>(event);
            const xcb_rectangle_t area = {static_cast<std::int16_t>(expose->x),
                                          static_cast<std::int16_t>(expose->y), expose->width,
                                          expose->height};
            xcb_poly_fill_rectangle(connection, window, fill, 1, &area);
            xcb_flush(connection);
        }
        std::free(event);
    }
    xcb_disconnect(connection);
    return EXIT_SUCCESS;
}
