# The program's icon. dist/icons/corkwise.svg is drawn by hand and is the only source: the build
# renders it into every PNG size the desktop asks for, so no picture can fall behind the drawing.
set(CORKWISE_ICON_SVG ${PROJECT_SOURCE_DIR}/dist/icons/corkwise.svg)
set(CORKWISE_ICON_SIZES 16 32 48 64 128 256)
# Where the rendered sizes land, as SIZE.png.
set(CORKWISE_ICON_DIR ${PROJECT_BINARY_DIR}/icons)

# corkwise_render_icons(OUT_VAR): rules that render the SVG at every size into CORKWISE_ICON_DIR.
# They belong to the calling directory, whose targets may then list the PNGs as sources; OUT_VAR
# receives their paths, smallest first. Call it once.
function(corkwise_render_icons out)
    set(pngs "")
    foreach(size ${CORKWISE_ICON_SIZES})
        set(png ${CORKWISE_ICON_DIR}/${size}.png)
        # A sanitized build tool must not fail the build over a leak inside Qt.
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CORKWISE_ICON_DIR}
            COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                    $<TARGET_FILE:corkwise-render-icon> ${CORKWISE_ICON_SVG} ${size} ${png}
            DEPENDS corkwise-render-icon ${CORKWISE_ICON_SVG}
            COMMENT "Rendering the icon at ${size} pixels"
            VERBATIM)
        list(APPEND pngs ${png})
    endforeach()
    set(${out} ${pngs} PARENT_SCOPE)
endfunction()
