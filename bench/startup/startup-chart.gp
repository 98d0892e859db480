# Bar chart of the start-up medians with their interquartile ranges.
# Called as: gnuplot -e "data='chart.dat'; output='startup.png'" startup-chart.gp
set terminal pngcairo size 900,460 font "Liberation Sans,12" background "white"
set output output
set title "Time from exec to a viewable window (median; bars: interquartile range)"
set ylabel "milliseconds"
set yrange [0:*]
# Room above the tallest whisker for its label.
set offsets 0, 0, graph 0.1, 0
set style fill solid 0.6 border -1
set boxwidth 0.6
set grid ytics
set xtics nomirror
set key off
plot data using 0:2:xtic(1) with boxes linecolor rgb "#4a7ab8", \
     data using 0:2:3:4 with yerrorbars linecolor rgb "black" pointtype -1, \
     data using 0:4:(sprintf("%.0f", $2)) with labels offset 0,0.8
