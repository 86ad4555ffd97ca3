@echo off
path WinAVR\bin
set C_INCLUDE_PATH=WinAVR/avr/include

cd c

echo ATtiny2313/4313—p‚Å‚·B

SET /P ANSWER="‘±‚¯‚Ä‚æ‚ë‚µ‚¢‚Å‚·‚© (Y/N)?
if /i {%ANSWER%}=={y} (goto :yes) 
if /i {%ANSWER%}=={n} (goto :no) 
:no
echo ˆ—‚ðI—¹‚µ‚Ü‚· & pause > nul & exit

:yes

avr-gcc -Os -mmcu=attiny2313 -DSTART_REPEAT_NUM=1 tonefw.c -o 2313.elf

if ERRORLEVEL 1 pause

avr-objcopy -O ihex 2313.elf tmp2313.hex
sed15 -e "$d" tmp2313.hex > 2313.hex

erase tmp2313.hex
erase 2313.elf

echo Making orgola.hex...

copy /Y 2313.hex orgola.hex > NUL

onigsed -f nota2ev1.sed %1 | onigsed -f nota2ev2.sed | jgawk -f evtstep0.awk | sed15 -f evtstep1.sed | onigsed -f evtstep2.sed |jgawk -f evthx.awk >> orgola.hex

if ERRORLEVEL 3 goto MELO3
if ERRORLEVEL 2 goto MELO2

:MELO1
echo There was one track in the score.
goto WRITE

:MELO2
echo There was two tracks in the score.
goto WRITE

:MELO3
echo There was three tracks in the score.

:WRITE
echo Writing...

hidspx -php -d4 -fl11100100 orgola.hex

if ERRORLEVEL 1 pause
:WRITE
cd ..

