# The phrase as a layer surface on Wayland compositors that offer one, on the
# program's own connection. Built wherever libwayland-client is found (always
# on Debian, see tools/setup.sh); without it every phrase takes the X window.
pkg_check_modules(OV_WAYLAND IMPORTED_TARGET wayland-client)
pkg_get_variable(OV_WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
find_program(OV_WAYLAND_SCANNER wayland-scanner)

target_sources(ov_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/layershell.cpp ${CMAKE_CURRENT_LIST_DIR}/layershell.h)

if(OV_WAYLAND_FOUND AND OV_WAYLAND_SCANNER AND OV_WAYLAND_PROTOCOLS_DIR)
  enable_language(C)
  set(gen ${CMAKE_BINARY_DIR}/wayland-protocols)
  file(MAKE_DIRECTORY ${gen})
  set(protocol_sources)
  foreach(xml ${CMAKE_CURRENT_LIST_DIR}/protocols/wlr-layer-shell-unstable-v1.xml
              ${OV_WAYLAND_PROTOCOLS_DIR}/stable/presentation-time/presentation-time.xml)
    get_filename_component(name ${xml} NAME_WE)
    add_custom_command(
      OUTPUT ${gen}/${name}-client-protocol.h ${gen}/${name}-protocol.c
      COMMAND ${OV_WAYLAND_SCANNER} client-header ${xml} ${gen}/${name}-client-protocol.h
      COMMAND ${OV_WAYLAND_SCANNER} private-code ${xml} ${gen}/${name}-protocol.c
      DEPENDS ${xml}
      VERBATIM)
    list(APPEND protocol_sources ${gen}/${name}-client-protocol.h ${gen}/${name}-protocol.c)
  endforeach()
  # The layer shell's popup request names the xdg popup interface.
  set(xdg ${OV_WAYLAND_PROTOCOLS_DIR}/stable/xdg-shell/xdg-shell.xml)
  add_custom_command(OUTPUT ${gen}/xdg-shell-protocol.c
    COMMAND ${OV_WAYLAND_SCANNER} private-code ${xdg} ${gen}/xdg-shell-protocol.c
    DEPENDS ${xdg} VERBATIM)
  list(APPEND protocol_sources ${gen}/xdg-shell-protocol.c)
  add_library(ov_wayland_protocols STATIC ${protocol_sources})
  target_include_directories(ov_wayland_protocols PUBLIC ${gen})
  target_link_libraries(ov_wayland_protocols PUBLIC PkgConfig::OV_WAYLAND)
  target_link_libraries(ov_ui PRIVATE ov_wayland_protocols)
  target_sources(ov_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/roundtrip.cpp ${CMAKE_CURRENT_LIST_DIR}/roundtrip.h)
  target_compile_definitions(ov_ui PRIVATE ORVELLA_WAYLAND)
else()
  message(STATUS "libwayland-client, wayland-scanner or wayland-protocols missing: phrases only in X windows")
endif()
