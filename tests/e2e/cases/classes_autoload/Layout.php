<?php
class Layout {
    const COLUMNS = 2;
}
