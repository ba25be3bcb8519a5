# Debian's hardening flags for a build the package is made from; sourced by package.sh and test.sh.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS)
# Without -g: CPack strips the programs anyway, and debug information doubles the compile time.
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS | sed -E 's/(^| )-g( |$)/ /') $CPPFLAGS"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
