# Renders the SVG icon to square PNGs while the program is built, so that neither the program
# nor the desktop needs SVG support to show it sharp at any size. Needs rsvg-convert (Debian
# librsvg2-bin).
include_guard(GLOBAL)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)

# affine_render_icon(<svg> <pixels> <png>): a build rule that renders <svg> to a <pixels> x
# <pixels> PNG at <png>; whichever target lists <png> among its sources or resources runs it.
function(affine_render_icon svg pixels png)
    get_filename_component(folder ${png} DIRECTORY)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${RSVG_CONVERT} --width ${pixels} --height ${pixels} --output ${png} ${svg}
        DEPENDS ${svg}
        COMMENT "Rendering ${pixels} x ${pixels} icon"
        VERBATIM)
endfunction()
