# A deliverable library behind plain C exports (the support library, the registration library):
# the implementation in a static core that the tests link to reach what the exports hide, and
# the shared library that adds the exports, listed in the folder's exports.map, and hides
# everything else.
function(qb_plain_c_library core shared output_name)
    set(hidden CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON AUTOMOC OFF)
    set(map ${CMAKE_CURRENT_SOURCE_DIR}/exports.map)
    set_target_properties(${core} PROPERTIES POSITION_INDEPENDENT_CODE ON ${hidden})
    target_link_libraries(${shared} PRIVATE ${core})
    set_target_properties(${shared} PROPERTIES OUTPUT_NAME ${output_name} ${hidden}
                          LINK_DEPENDS ${map})
    target_link_options(${shared} PRIVATE -Wl,--version-script=${map} -Wl,--as-needed)
endfunction()
