#!/usr/bin/python3
"""Writes the area-of-use map's coastlines from GSHHG's crude binned shorelines, as
Debian's gmt-gshhg-low package installs them (needs python3-netcdf4):
    resources/make_coastlines.py > resources/coastlines.txt

Each shoreline piece of a bin becomes one line of longitude/latitude pairs in degrees,
two decimals (about a kilometre, finer than the map shows). Only the land/ocean and
lake shores are kept: islands in lakes would be noise at this size, and of the two
Antarctic coastlines the ice front is kept, as maps usually draw it.
"""

import sys

import netCDF4

SOURCE = "/usr/share/gmt-gshhg/binned_GSHHS_c.nc"
KEPT_LEVELS = (1, 2)


def shorelines(path):
    data = netCDF4.Dataset(path)
    bin_degrees = int(data["Bin_size_in_minutes"][0]) / 60.0
    bins_across = int(data["N_bins_in_360_longitude_range"][0])
    first_segment = data["Id_of_first_segment_in_a_bin"][:]
    segment_count = data["N_segments_in_a_bin"][:]
    segment_info = data["Embedded_npts_levels_exit_entry_for_a_segment"][:]
    first_point = data["Id_of_first_point_in_a_segment"][:]
    dx = data["Relative_longitude_from_SW_corner_of_bin"][:]
    dy = data["Relative_latitude_from_SW_corner_of_bin"][:]
    # Offsets are unsigned 16-bit fractions of a bin's side.
    step = bin_degrees / 65535.0
    for bin_index in range(int(data["N_bins_in_file"][0])):
        # Bins run east from Greenwich; those past 180 E are shown west of it, whole, so
        # that no piece draws across the map.
        west = (bin_index % bins_across) * bin_degrees
        if west >= 180.0:
            west -= 360.0
        south = 90.0 - (bin_index // bins_across + 1) * bin_degrees
        for segment in range(first_segment[bin_index],
                             first_segment[bin_index] + segment_count[bin_index]):
            info = int(segment_info[segment])
            if (info >> 6) & 7 not in KEPT_LEVELS:
                continue
            start = int(first_point[segment])
            points = []
            for i in range(start, start + (info >> 9)):
                lon = west + (int(dx[i]) & 0xFFFF) * step
                lat = south + (int(dy[i]) & 0xFFFF) * step
                points.append((lon, lat))
            if len(points) >= 2:
                yield points


def main():
    lines = list(shorelines(SOURCE))
    out = sys.stdout
    out.write("# Coastlines for the area-of-use map: GSHHG 2.3.7 crude shorelines (Wessel and\n")
    out.write("# Smith, LGPL 3), from Debian's gmt-gshhg-low by make_coastlines.py.\n")
    out.write("gridlore-coastlines 1 %d\n" % len(lines))
    for points in lines:
        out.write(" ".join("%.2f %.2f" % p for p in points))
        out.write("\n")


if __name__ == "__main__":
    main()
