# Installs the built tree into a scratch prefix and checks what a desktop would find there: the
# exact set of files (the browser page among them, so the web preset must have been built), each
# icon at the size its folder names, and the desktop entry and AppStream
# description valid together (appstreamcli validate-tree also finds the entry the description
# launches).
# usage: cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DDESKTOP_FILE_VALIDATE=...
#              -DAPPSTREAMCLI=... -DFILE_COMMAND=... -P check_install_tree.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(icons share/icons/hicolor)
set(expected
    bin/affine-cipher
    bin/affine-table
    share/affine-cipher/affine-cipher.html
    share/applications/${APP_ID}.desktop
    share/doc/affine-cipher/changelog.Debian.gz
    share/doc/affine-cipher/copyright
    share/man/man1/affine-cipher.1.gz
    share/lintian/overrides/affine-cipher
    share/man/man1/affine-table.1.gz
    share/metainfo/${APP_ID}.metainfo.xml
    ${icons}/scalable/apps/${APP_ID}.svg)
foreach(pixels 32 48 64 128 256)
    list(APPEND expected ${icons}/${pixels}x${pixels}/apps/${APP_ID}.png)
endforeach()
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

foreach(pixels 32 48 64 128 256)
    execute_process(COMMAND ${FILE_COMMAND} -b ${PREFIX}/${icons}/${pixels}x${pixels}/apps/${APP_ID}.png
                    OUTPUT_VARIABLE kind)
    if(NOT kind MATCHES "^PNG image data, ${pixels} x ${pixels},")
        message(FATAL_ERROR "the ${pixels}x${pixels} icon is ${kind}")
    endif()
endforeach()

foreach(check "${DESKTOP_FILE_VALIDATE};${PREFIX}/share/applications/${APP_ID}.desktop"
              "${APPSTREAMCLI};validate-tree;--no-net;${PREFIX}")
    execute_process(COMMAND ${check} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed: ${check}")
    endif()
endforeach()
