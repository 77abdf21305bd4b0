<?php
interface Cache {
    const NEVER = 0;
    const HOUR = 3600, DAY = 86400;
    function get($key);
    const WEEK = 604800;
}
class MemoryCache implements Cache {
    private $items = array();
    function get($key) {
        return isset($this->items[$key]) ? $this->items[$key] : null;
    }
}
echo Cache::DAY, MemoryCache::WEEK;
