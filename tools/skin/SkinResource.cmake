# The stored skin: the host-built skin tool makes the package from resources/skin at
# build time (checking it first), and sf_embed_skin(target) links it into a program
# as the RCDATA resource STOREDSKIN (resources/skin.rc). Included by the program's
# CMakeLists; the package is remade only when a file of the skin or the tool changes.
include_guard(GLOBAL)
include(ExternalProject)

# The tools run on the build machine, so they get a compiler of its own, not the
# cross compiler of this build.
find_program(SKIN_HOST_CXX NAMES g++ c++ clang++ REQUIRED)
set(SKIN_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(SFTOOL ${SKIN_HOST_TOOLS_DIR}/skin/sftool)
set(SKINPAINT ${SKIN_HOST_TOOLS_DIR}/skin/skinpaint)
ExternalProject_Add(skin_host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
  BINARY_DIR ${SKIN_HOST_TOOLS_DIR}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${SKIN_HOST_CXX}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${SFTOOL} ${SKINPAINT})

set(SKIN_FOLDER ${CMAKE_SOURCE_DIR}/resources/skin)
# Fixed places, so that sf_embed_skin finds them from any folder's CMakeLists.
set(SKIN_PACKAGE_DIR ${CMAKE_BINARY_DIR}/stored-skin)
set(SKIN_PACKAGE ${SKIN_PACKAGE_DIR}/StoredSkin.bin)
file(GLOB SKIN_FILES CONFIGURE_DEPENDS ${SKIN_FOLDER}/*.ini ${SKIN_FOLDER}/*.bmp ${SKIN_FOLDER}/*.BMP)
file(MAKE_DIRECTORY ${SKIN_PACKAGE_DIR})
add_custom_command(OUTPUT ${SKIN_PACKAGE}
  COMMAND ${SFTOOL} check ${SKIN_FOLDER}
  COMMAND ${SFTOOL} build ${SKIN_FOLDER} ${SKIN_PACKAGE} --zlib
  DEPENDS ${SKIN_FILES} ${SFTOOL} skin_host_tools
  COMMENT "Building the stored skin from resources/skin"
  VERBATIM)
add_custom_target(skin_package DEPENDS ${SKIN_PACKAGE})

# Redraws the skin's pictures into resources/skin after the generator or skin.ini
# changed (not part of the normal build: the pictures are kept in the sources).
add_custom_target(skin_pictures
  COMMAND ${SKINPAINT} ${SKIN_FOLDER} --preview ${SKIN_PACKAGE_DIR}/preview.bmp
  DEPENDS skin_host_tools
  COMMENT "Drawing the pictures of resources/skin; a preview goes to ${SKIN_PACKAGE_DIR}/preview.bmp"
  VERBATIM)

add_test(NAME skin_tool COMMAND bash ${CMAKE_SOURCE_DIR}/tools/skin/test-sftool.sh ${SFTOOL} ${SKIN_FOLDER})
add_test(NAME skins COMMAND bash ${CMAKE_SOURCE_DIR}/tools/skin/test-skins.sh ${SFTOOL} ${SKINPAINT} ${CMAKE_SOURCE_DIR}/resources)

# Links the stored skin into `target`; LoadEmbeddedSkinResource (skin/data) reads it.
function(sf_embed_skin target)
  set(rc ${CMAKE_SOURCE_DIR}/resources/skin.rc)
  target_sources(${target} PRIVATE ${rc})
  # windres looks for the resource's file in the include folders.
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/stored-skin)
  set_property(SOURCE ${rc} TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS
               ${CMAKE_BINARY_DIR}/stored-skin/StoredSkin.bin)
  add_dependencies(${target} skin_package)
endfunction()

if(TARGET Tavoro)
  sf_embed_skin(Tavoro)
endif()
