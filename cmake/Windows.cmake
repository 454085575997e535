# Settings shared by every Windows target.
add_compile_definitions(UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0800)
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wall> $<$<COMPILE_LANGUAGE:CXX>:-Wextra>
                    $<$<COMPILE_LANGUAGE:CXX>:-Wno-unused-parameter> $<$<COMPILE_LANGUAGE:CXX>:-Wno-cast-function-type>)
include_directories(${PROJECT_SOURCE_DIR})

# Resource scripts are UTF-8 (#pragma code_page(65001)) and include the project's headers.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${PROJECT_SOURCE_DIR}")

# Windows executables run under Wine, in the prefix kept in the build tree.
set(KIV_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/wine-run.sh ${KIV_WINEPREFIX})

# Programs get the common controls of version 6 from their manifest.
set(KIV_EXE_MANIFEST_RC ${PROJECT_SOURCE_DIR}/resources/app-manifest.rc)

# Programs that play the host carry its texts, its bundled default sky and the manifest.
function(kiv_use_host_resources target)
  set(rc ${PROJECT_SOURCE_DIR}/host/core/host.rc)
  target_sources(${target} PRIVATE ${rc} ${KIV_EXE_MANIFEST_RC})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/host/data/default_sky.kiv)
  set_source_files_properties(${KIV_EXE_MANIFEST_RC} PROPERTIES OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/resources/app.manifest)
endfunction()
