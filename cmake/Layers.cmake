# Each library target sees only its own headers and, through its link dependencies, those of the
# layers below it: data <- analysis <- render <- app <- (platform implementations, cli). The
# headers are offered through a folder of links per target in the build tree, so an include that
# goes the wrong way does not compile.

# The headers of the calling folder, included as "NAME/x.h".
function(ductora_layer target name)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  get_filename_component(parent ${root}/${name} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# The headers directly in the calling folder but not its subfolders: the platform interface
# shares its folder with the implementations, and the app must see neither of them.
function(ductora_layer_headers target name)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${name})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(header IN LISTS headers)
    get_filename_component(file ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${name}/${file} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
