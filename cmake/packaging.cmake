# What `cmake --install` puts where, and the Debian package CPack makes of it (scripts/package.sh).
# The programs go to bin/, the report module (--docx, --pdf, --chart) to lib/tarnek/ (tarnek-cli
# looks for it there, relative to itself), the table and the example to share/tarnek/ (found
# through XDG_DATA_DIRS).

set(dist_dir ${PROJECT_SOURCE_DIR}/dist)
set(app_id org.tarnek.Tarnek)

install(TARGETS tarnek tarnek-cli RUNTIME DESTINATION bin)
install(TARGETS tarnek_report_export LIBRARY DESTINATION lib/tarnek)
install(FILES ${PROJECT_SOURCE_DIR}/data/exttable.txt ${PROJECT_SOURCE_DIR}/data/Input.txt
        DESTINATION share/tarnek)
install(FILES ${dist_dir}/${app_id}.desktop DESTINATION share/applications)
install(FILES ${dist_dir}/${app_id}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${dist_dir}/icons/${app_id}.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 48 256)
  install(FILES ${dist_dir}/icons/${app_id}-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${app_id}.png)
endforeach()
install(FILES ${dist_dir}/copyright DESTINATION share/doc/tarnek)

# Manual pages and the changelog are installed compressed, without names or dates inside, so the
# package is the same from one build to the next.
set(compressed)
foreach(source man/tarnek.1 man/tarnek-cli.1 changelog)
  get_filename_component(name ${source} NAME)
  set(output ${CMAKE_BINARY_DIR}/dist/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist
    COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${dist_dir}/${source} ${output}
    DEPENDS ${dist_dir}/${source} VERBATIM)
  list(APPEND compressed ${output})
endforeach()
add_custom_target(tarnek_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/dist/tarnek.1.gz ${CMAKE_BINARY_DIR}/dist/tarnek-cli.1.gz
        DESTINATION share/man/man1)
install(FILES ${CMAKE_BINARY_DIR}/dist/changelog.gz DESTINATION share/doc/tarnek)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Tarnek developers <tarnek-devel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sample grouping, histogram and chi-square normality test")
# CPack puts the summary above this as the synopsis line.
set(CPACK_PACKAGE_DESCRIPTION
  "Tarnek is a desktop program for a first course in mathematical statistics.
It reads a sample of measurements, groups it into intervals, shows the
grouped series as a table and a stair-step histogram, tests normality with
Pearson's chi-square criterion, draws the fitted normal density and gives
confidence intervals for the mean and the standard deviation. The chart
goes to the clipboard or a PNG, SVG or PDF file, and a report to a Word
(.docx) or PDF document or the printer.
.
tarnek-cli runs the same analysis in batch, as text, JSON or a report.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plugin at run time, so shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Russian texts in Qt's own dialogs; xdg-open shows the written report.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
