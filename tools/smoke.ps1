# A start of QUORM.exe on a real Windows desktop, watched from outside and never touched: the
# probe must see the Close Program screen with the focus on "Shutdown", and the program must end
# by itself within 70 s with exit code 0. No key or click is ever sent to the program.
#   smoke.ps1 -Exe <QUORM.exe> -Probe <probe.exe>
param(
  [Parameter(Mandatory)] [string] $Exe,
  [Parameter(Mandatory)] [string] $Probe
)
$ErrorActionPreference = 'Stop'

$listingFile = Join-Path ([IO.Path]::GetTempPath()) "quorm3-smoke-$PID.json"
$started = [Diagnostics.Stopwatch]::StartNew()
$program = [Diagnostics.Process]::Start((Resolve-Path $Exe).Path)
$lastListing = $null

function Test-CloseProgramFocused {
  if (Test-Path $listingFile) { Remove-Item $listingFile }
  & $Probe --exe (Split-Path $Exe -Leaf) --out $listingFile | Out-Null
  if (-not (Test-Path $listingFile)) { return $false }
  $script:lastListing = Get-Content $listingFile -Raw
  $listing = $script:lastListing | ConvertFrom-Json
  foreach ($window in $listing.windows) {
    if (-not $window.visible -or $window.class -ne 'Quorm3Screen') { continue }
    $shutdown = @($window.children | Where-Object { $_.text -eq 'Shutdown' })
    if ($shutdown.Count -eq 1 -and $listing.focus -eq $shutdown[0].hwnd) { return $true }
  }
  return $false
}

try {
  while (-not (Test-CloseProgramFocused)) {
    if ($program.HasExited) { throw "QUORM.exe ended (code $($program.ExitCode)) before its first screen showed" }
    if ($started.Elapsed.TotalSeconds -gt 30) { throw 'no Close Program screen with the focus on Shutdown within 30 s' }
    Start-Sleep -Milliseconds 250
  }
  Write-Output ("smoke: the Close Program screen showed after {0:N1} s, the focus on Shutdown" -f $started.Elapsed.TotalSeconds)
  $left = [Math]::Max(0, 70000 - [int]$started.Elapsed.TotalMilliseconds)
  if (-not $program.WaitForExit($left)) { throw 'QUORM.exe did not end by itself within 70 s' }
  if ($program.ExitCode -ne 0) { throw "QUORM.exe ended with exit code $($program.ExitCode)" }
  Write-Output ("smoke: QUORM.exe ended by itself after {0:N1} s with exit code 0" -f $started.Elapsed.TotalSeconds)
} catch {
  # A red run says why: what the probe saw last.
  if ($lastListing) { Write-Output "smoke: the last window listing the probe gave:"; Write-Output $lastListing }
  else { Write-Output 'smoke: the probe never gave a window listing' }
  throw
} finally {
  if (-not $program.HasExited) { $program.Kill() }
  if (Test-Path $listingFile) { Remove-Item $listingFile }
}
